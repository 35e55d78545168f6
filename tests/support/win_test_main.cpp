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

}  // namespace

int main(int argc, char** argv) {
  SetUnhandledExceptionFilter(TerminateOnCrash);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
