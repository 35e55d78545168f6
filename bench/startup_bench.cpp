// Start-up benchmark: the training program from process start to its first
// complete paint, with its skin (the window skinned, frame and region on)
// against `--no-skin` (the same window with the system's frame). The two are
// started in turns, the order swapped each round, so machine noise falls on
// both; prints the medians, the spread and the ratio.
//
// The program sets the event named by TAVRIN_FIRST_PAINT_EVENT once its
// window's first complete paint is done; the benchmark waits on it (and on
// the process, should it end first), then checks that the window is skinned
// or plain as asked and closes it.
//
//   startup_bench [--rounds N] [path to Tavrin.exe]
// The program defaults to ..\app\Tavrin.exe beside the executable's folder.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring DefaultProgramPath() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring path(exe);
  path.erase(path.find_last_of(L"\\/"));
  path.erase(path.find_last_of(L"\\/") + 1);
  return path + L"app\\Tavrin.exe";
}

class THandle {
 public:
  explicit THandle(HANDLE handle = nullptr) : handle_(handle) {}
  ~THandle() {
    if (handle_) CloseHandle(handle_);
  }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

struct TFindWindow {
  DWORD ProcessId = 0;
  HWND Found = nullptr;
};

// The process's visible captioned top-level window: the training window.
HWND MainWindowOf(DWORD processId) {
  TFindWindow find{processId, nullptr};
  EnumWindows(
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* f = reinterpret_cast<TFindWindow*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        if (owner != f->ProcessId || !IsWindowVisible(wnd) ||
            (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CAPTION) != WS_CAPTION)
          return TRUE;
        f->Found = wnd;
        return FALSE;
      },
      LPARAM(&find));
  return find.Found;
}

// Our skin shapes the window with a region; the system frame has none.
bool HasRegion(HWND wnd) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(wnd, rgn);
  DeleteObject(rgn);
  return kind == SIMPLEREGION || kind == COMPLEXREGION;
}

struct TStart {
  double Milliseconds = 0;
  bool Ok = false;
};

// Starts the program, waits for its first complete paint, checks the frame
// and closes the program again.
TStart StartOnce(const std::wstring& program, bool skinned, int round) {
  const std::wstring eventName = L"TavrinStartupBench-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(round) + (skinned ? L"-skinned" : L"-plain");
  THandle painted(CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
  SetEnvironmentVariableW(L"TAVRIN_FIRST_PAINT_EVENT", eventName.c_str());
  std::wstring commandLine = L"\"" + program + L"\"" + (skinned ? L"" : L" --no-skin");
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  const auto start = std::chrono::steady_clock::now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
    return {};
  }
  THandle process(info.hProcess), thread(info.hThread);
  const HANDLE waits[] = {painted.Get(), process.Get()};
  const DWORD which = WaitForMultipleObjects(2, waits, FALSE, 60000);
  TStart result;
  result.Milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const HWND wnd = which == WAIT_OBJECT_0 ? MainWindowOf(info.dwProcessId) : nullptr;
  if (!wnd) {
    std::fprintf(stderr, "%s start %d: no first paint signalled\n", skinned ? "skinned" : "plain", round);
  } else if (HasRegion(wnd) != skinned) {
    std::fprintf(stderr, "%s start %d: the window came up %s\n", skinned ? "skinned" : "plain", round,
                 skinned ? "without its skin" : "skinned");
  } else {
    result.Ok = true;
  }
  if (wnd) PostMessageW(wnd, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.Get(), 20000) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "the program did not end; stopped\n");
    TerminateProcess(process.Get(), 1);
    WaitForSingleObject(process.Get(), 5000);
  }
  return result;
}

struct TFigures {
  double Median, Low, High;
};

TFigures Summary(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.front(), values.back()};
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 7;
  std::wstring program = DefaultProgramPath();
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
      rounds = std::max(1, std::atoi(argv[++i]));
    } else {
      const std::string arg = argv[i];
      program.assign(arg.begin(), arg.end());
    }
  }
  std::vector<double> skinned, plain;
  int failed = 0;
  for (int round = 0; round < rounds; ++round) {
    for (int turn = 0; turn < 2; ++turn) {
      const bool skin = (turn == 0) == (round % 2 == 0);  // the order swapped each round
      const TStart s = StartOnce(program, skin, round);
      if (!s.Ok) {
        ++failed;
        continue;
      }
      (skin ? skinned : plain).push_back(s.Milliseconds);
    }
  }
  if (skinned.empty() || plain.empty()) {
    std::fprintf(stderr, "no complete start measured\n");
    return 2;
  }
  const TFigures s = Summary(skinned), p = Summary(plain);
  std::printf("start-up to the first complete paint (%d rounds, in turns): skinned %.1f ms (%.1f to %.1f), "
              "skin inactive %.1f ms (%.1f to %.1f), ratio %.2fx\n",
              rounds, s.Median, s.Low, s.High, p.Median, p.Low, p.High, s.Median / p.Median);
  if (failed) std::printf("%d starts failed\n", failed);
  return failed ? 3 : 0;
}
