#!/usr/bin/env bash
# The test runner (scripts/wine-run.sh) reports each way a test can end as what
# it is: passed, failed, crashed, hung in its body, hung on its way out, and
# failed to start (started once more, also when its first allocation and its
# loader failed).
#   runner_test.sh <runner> <road_child.exe>
set -u
runner=$1 child=$2
failures=0

# check <name> <expected status> <expected text> <env...> -- <child args...>
check() {
  local name=$1 want=$2 text=$3; shift 3
  local envs=()
  while [ "$1" != -- ]; do envs+=("$1"); shift; done
  shift
  local out status
  out=$(env -u TAVRIN_HANG_LOG TAVRIN_WATCHDOG_DUMP=0 "${envs[@]}" TAVRIN_EXIT_GRACE=2 TAVRIN_TEST_LIMIT=6 "$runner" "$child" "$@" 2>&1)
  status=$?
  if [ "$status" -ne "$want" ] || ! grep -q -- "$text" <<<"$out"; then
    printf 'FAIL %s: status %s (wanted %s), text "%s" %s\n%s\n' "$name" "$status" "$want" "$text" \
      "$(grep -q -- "$text" <<<"$out" && echo found || echo missing)" "$out"
    failures=$((failures + 1))
  else
    printf 'ok   %s: status %s, "%s"\n' "$name" "$status" "$text"
  fi
}

check passes        0   '^\[  PASSED  \] 1 test'  -- --gtest_filter=Child.Passes
check fails         1   '^\[  FAILED  \] Child.Fails'  -- --gtest_filter=Child.Fails
check crashes       3   '^crash: exception 0xC0000005'  -- --gtest_filter=Child.Crashes
check hangs         124 'watchdog: still running after 6 s'  -- --gtest_filter=Child.NeverEnds
check exit_hang     125 'watchdog: all tests passed, then the process did not end within 2 s: killed; counted as failed' \
  ROAD_HANG_AT_EXIT=1 -- --gtest_filter=Child.Passes
# ... with the hung process's threads listed before it is killed.
check exit_hang_ok  0   'backtraces of Windows process' ROAD_HANG_AT_EXIT=1 TAVRIN_EXIT_HANG=pass TAVRIN_WATCHDOG_DUMP=1 -- --gtest_filter=Child.Passes
# A process that fails before printing anything is started once more.
marker=$(mktemp -u /tmp/road-fail-once.XXXXXX)
check failed_start  0   'ended with status 7 before it printed anything: started once more' \
  "ROAD_FAIL_ONCE=Z:${marker//\//\\}" -- --gtest_filter=Child.Passes
rm -f "$marker"
# So is one whose fixture could not be allocated while its loader failed.
check bad_start     0   'failed to allocate its test fixture and its loader failed at exit' \
  "ROAD_BAD_START=Z:${marker//\//\\}" -- --gtest_filter=BadStart.Passes
rm -f "$marker"
# A bad_alloc alone is the test's own failure.
check bad_alloc     1   '^\[  FAILED  \] BadStart.Passes' ROAD_BAD_ALLOC=1 -- --gtest_filter=BadStart.Passes
exit $((failures > 0))
