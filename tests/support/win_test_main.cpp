// Test entry for the Windows test executables. An unhandled exception (a
// crash) ends the process at once with exit code 3, so that a crash under Wine
// fails its test instead of waiting in a debugger or passing by chance.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

LONG WINAPI TerminateOnCrash(EXCEPTION_POINTERS* info) {
  char text[96];
  wsprintfA(text, "crash: exception 0x%08lX\n",
            static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, lstrlenA(text), &written, nullptr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

// The test runner's watchdog lists the threads of a process that does not end;
// it finds the process by the id written here. Only the first process of a
// test writes it (a test may start copies of itself as children).
void WritePidFile() {
  char path[MAX_PATH];
  const DWORD n = GetEnvironmentVariableA("TAVRIN_PID_FILE", path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char text[16];
  const int len = wsprintfA(text, "%lu", GetCurrentProcessId());
  DWORD written = 0;
  WriteFile(file, text, DWORD(len), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int main(int argc, char** argv) {
  SetUnhandledExceptionFilter(TerminateOnCrash);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  WritePidFile();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
