// A test program for the test runner's own test (runner_test.sh): a test that
// passes, one that fails, one that crashes, one that never ends, and an exit
// that never ends after the tests have passed (ROAD_HANG_AT_EXIT set).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Destroyed after main has returned, like whatever a real exit hang waits in.
struct HangAtExit {
  ~HangAtExit() {
    if (std::getenv("ROAD_HANG_AT_EXIT")) Sleep(INFINITE);
  }
} hangAtExit;

}  // namespace

TEST(Child, Passes) { EXPECT_EQ(1 + 1, 2); }
TEST(Child, Fails) { EXPECT_EQ(1 + 1, 3); }
TEST(Child, Crashes) {
  volatile int* nowhere = nullptr;
  *nowhere = 1;
}
TEST(Child, NeverEnds) { Sleep(INFINITE); }
