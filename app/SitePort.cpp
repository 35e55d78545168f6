#include "app/SitePort.h"

#include <winsock2.h>

#include <windows.h>

#include <string>

namespace training_site {
namespace {

// The site server's header (the server's own definition lives with it, on the
// far side of the wire; the tests hold both to the same name).
constexpr std::string_view kSiteHeader = "x-tavrin-site";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

class TWinsock {
 public:
  TWinsock() {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }
  ~TWinsock() {
    if (started_) WSACleanup();
  }
  TWinsock(const TWinsock&) = delete;
  TWinsock& operator=(const TWinsock&) = delete;
  bool Started() const { return started_; }

 private:
  bool started_ = false;
};

class TSocket {
 public:
  TSocket() : s_(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {}
  ~TSocket() {
    if (s_ != INVALID_SOCKET) closesocket(s_);
  }
  TSocket(const TSocket&) = delete;
  TSocket& operator=(const TSocket&) = delete;
  SOCKET Get() const { return s_; }
  bool Valid() const { return s_ != INVALID_SOCKET; }

 private:
  SOCKET s_;
};

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(u_short(port));
  return address;
}

// Binding as the server does (exclusively) succeeds only on a port nobody holds.
// Unlike a connection attempt it never waits: Windows retries a refused
// connection to the loopback address for about two seconds.
bool CanBind(int port) {
  TSocket probe;
  if (!probe.Valid()) return false;
  BOOL exclusive = TRUE;
  setsockopt(probe.Get(), SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
             sizeof(exclusive));
  const sockaddr_in address = Loopback(port);
  return bind(probe.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
}

// The head of the answer to a HEAD request; empty when there is none in time.
std::string AskHead(int port, unsigned timeoutMs) {
  TSocket client;
  if (!client.Valid()) return {};
  const DWORD timeout = timeoutMs;
  setsockopt(client.Get(), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
  setsockopt(client.Get(), SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
  const sockaddr_in address = Loopback(port);
  if (connect(client.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) return {};
  const std::string request =
      "HEAD / HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\nConnection: close\r\n\r\n";
  if (send(client.Get(), request.data(), int(request.size()), 0) != int(request.size())) return {};
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  std::string head;
  char buffer[1024];
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < 16384 && GetTickCount64() < deadline) {
    const int got = recv(client.Get(), buffer, sizeof(buffer), 0);
    if (got <= 0) break;
    head.append(buffer, std::size_t(got));
  }
  return head;
}

}  // namespace

std::optional<int> LoopbackPort(std::string_view host) {
  std::string_view name = host, digits = "80";
  if (const auto colon = host.rfind(':'); colon != std::string_view::npos) {
    name = host.substr(0, colon);
    digits = host.substr(colon + 1);
  }
  if (!SameText(name, "127.0.0.1") && !SameText(name, "localhost")) return std::nullopt;
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  int port = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    port = port * 10 + (c - '0');
  }
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

bool NamesOurSite(std::string_view head) {
  if (head.substr(0, 5) != "HTTP/") return false;
  std::size_t start = head.find('\n');
  while (start != std::string_view::npos) {
    const std::size_t end = head.find('\n', start + 1);
    const std::string_view line = head.substr(start + 1, end == std::string_view::npos ? end : end - start - 1);
    if (Trim(line).empty()) break;  // the end of the head
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && SameText(line.substr(0, colon), kSiteHeader) &&
        Trim(line.substr(colon + 1)) == "1") {
      return true;
    }
    start = end;
  }
  return false;
}

TPortState ProbePort(int port, unsigned timeoutMs) {
  TWinsock winsock;
  // Without sockets the server cannot listen either; starting it reports that.
  if (!winsock.Started() || CanBind(port)) return TPortState::Free;
  return NamesOurSite(AskHead(port, timeoutMs)) ? TPortState::Ours : TPortState::Foreign;
}

}  // namespace training_site
