// A test program for the test runner's own test (runner_test.sh): a test that
// passes, one that fails, one that crashes, one that never ends, an exit that
// never ends after the tests have passed (ROAD_HANG_AT_EXIT set), and a start
// that fails before anything is printed (ROAD_FAIL_ONCE), and one whose test
// fixture cannot be made while the loader complains (ROAD_BAD_START).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

// Destroyed after main has returned, like whatever a real exit hang waits in.
struct HangAtExit {
  ~HangAtExit() {
    if (std::getenv("ROAD_HANG_AT_EXIT")) Sleep(INFINITE);
  }
} hangAtExit;

// Ends at once, silently and with a failure, the first time it runs while
// ROAD_FAIL_ONCE names a file that does not exist yet (it makes the file):
// what a process that Wine fails to start looks like to the runner.
struct FailOnce {
  FailOnce() {
    const char* marker = std::getenv("ROAD_FAIL_ONCE");
    if (!marker) return;
    HANDLE file = CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    CloseHandle(file);
    ExitProcess(7);
  }
} failOnce;

// A fixture that cannot be made the first time it runs while ROAD_BAD_START
// names a file that does not exist yet, and a loader that then complains at
// exit: what a Wine process whose start went wrong looks like to the runner
// (ROAD_BAD_ALLOC: the fixture always fails, and the loader says nothing).
class BadStart : public ::testing::Test {
 public:
  BadStart() {
    if (std::getenv("ROAD_BAD_ALLOC")) throw std::bad_alloc();  // a fault of the test's own
    const char* marker = std::getenv("ROAD_BAD_START");
    if (!marker) return;
    HANDLE file = CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    CloseHandle(file);
    std::fprintf(stderr, "Inconsistency detected by ld.so: dl-fini.c: 87: _dl_fini: Assertion failed!\n");
    throw std::bad_alloc();
  }
};

}  // namespace

TEST_F(BadStart, Passes) { EXPECT_EQ(2 * 2, 4); }
TEST(Child, Passes) { EXPECT_EQ(1 + 1, 2); }
TEST(Child, Fails) { EXPECT_EQ(1 + 1, 3); }
TEST(Child, Crashes) {
  volatile int* nowhere = nullptr;
  *nowhere = 1;
}
TEST(Child, NeverEnds) { Sleep(INFINITE); }
