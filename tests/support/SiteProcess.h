// The training site as real processes in the Windows tests: free loopback
// ports, plain HTTP requests, the processes a program started, and the
// message boxes another process shows.
#pragma once

#include <winsock2.h>

#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace test_support {

// Polls `done` every 50 ms for up to `timeoutMs`; returns `done()`.
inline bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() > deadline) return false;
    Sleep(50);
  }
  return true;
}

class Winsock {
 public:
  Winsock() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
  ~Winsock() { WSACleanup(); }
  Winsock(const Winsock&) = delete;
  Winsock& operator=(const Winsock&) = delete;
};

inline sockaddr_in LoopbackAddress(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(u_short(port));
  return address;
}

// A socket bound to 127.0.0.1 (a free port for 0), listening when asked, and
// never accepting: a program that holds a port and answers nothing.
class HeldPort {
 public:
  explicit HeldPort(int port = 0, bool listening = true) : socket_(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {
    sockaddr_in address = LoopbackAddress(port);
    int size = sizeof(address);
    if (bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
        (!listening || listen(socket_, SOMAXCONN) == 0) &&
        getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
      port_ = ntohs(address.sin_port);
    }
  }
  ~HeldPort() { closesocket(socket_); }
  HeldPort(const HeldPort&) = delete;
  HeldPort& operator=(const HeldPort&) = delete;
  int Port() const { return port_; }

 private:
  Winsock winsock_;
  SOCKET socket_;
  int port_ = 0;
};

// A port nobody holds right now.
inline int FreePort() { return HeldPort(0, false).Port(); }

struct HttpAnswer {
  std::string Head;  // status line and headers
  std::string Body;
  int Status() const { return Head.size() > 12 ? std::atoi(Head.substr(9, 3).c_str()) : 0; }
};

// GET `target` from 127.0.0.1:`port` (HTTP/1.0: the answer ends with the connection).
inline HttpAnswer HttpGet(int port, const std::string& target) {
  Winsock winsock;
  HttpAnswer answer;
  SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  const DWORD timeout = 10000;
  setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
  const sockaddr_in address = LoopbackAddress(port);
  const std::string request = "GET " + target + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
  std::string all;
  if (connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
      send(client, request.data(), int(request.size()), 0) == int(request.size())) {
    char buffer[4096];
    for (int got; (got = recv(client, buffer, sizeof(buffer), 0)) > 0;) all.append(buffer, std::size_t(got));
  }
  closesocket(client);
  const std::size_t end = all.find("\r\n\r\n");
  if (end == std::string::npos) return answer;
  answer.Head = all.substr(0, end + 2);
  answer.Body = all.substr(end + 4);
  return answer;
}

// The processes `parent` started whose executable is named `exe`.
inline std::vector<DWORD> ChildProcesses(DWORD parent, const wchar_t* exe) {
  std::vector<DWORD> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ParentProcessID == parent && lstrcmpiW(entry.szExeFile, exe) == 0) {
      found.push_back(entry.th32ProcessID);
    }
  }
  CloseHandle(snapshot);
  return found;
}

struct ProcessBox {
  HWND Wnd = nullptr;
  std::wstring Caption, Text;
};

inline std::wstring WindowText(HWND wnd) {
  std::wstring text(std::size_t(GetWindowTextLengthW(wnd)) + 1, L'\0');
  text.resize(std::size_t(GetWindowTextW(wnd, text.data(), int(text.size()))));
  return text;
}

// The visible top-level windows of class `className` of process `pid`.
inline std::vector<HWND> VisibleWindowsOf(DWORD pid, const wchar_t* className) {
  struct Search {
    DWORD Pid;
    const wchar_t* ClassName;
    std::vector<HWND> Found;
  } search{pid, className, {}};
  EnumWindows(
      [](HWND wnd, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        wchar_t cls[32] = {};
        GetClassNameW(wnd, cls, 32);
        if (owner == s.Pid && lstrcmpW(cls, s.ClassName) == 0 && IsWindowVisible(wnd)) s.Found.push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// The visible message boxes of process `pid`, with caption and message (the
// longest text of its static controls).
inline std::vector<ProcessBox> MessageBoxesOf(DWORD pid) {
  std::vector<ProcessBox> boxes;
  for (HWND wnd : VisibleWindowsOf(pid, L"#32770")) {
    ProcessBox box{wnd, WindowText(wnd), {}};
    for (HWND child = GetWindow(wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t cls[32] = {};
      GetClassNameW(child, cls, 32);
      const std::wstring text = WindowText(child);
      if (lstrcmpiW(cls, L"Static") == 0 && text.size() > box.Text.size()) box.Text = text;
    }
    boxes.push_back(box);
  }
  return boxes;
}

}  // namespace test_support
