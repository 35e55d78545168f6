#!/usr/bin/env bash
# Runs the Windows tests (already built in build/win) again and again, as the
# test script does, and prints each round's time and result: for telling an
# intermittent fault from a steady one.
#
#   scripts/test-loop.sh ROUNDS [CTEST ARGS...]   e.g. scripts/test-loop.sh 5
#                                                 scripts/test-loop.sh 50 -R Road
# The watchdog's notes of all rounds go to build/win/watchdog.log.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
cd "$TAVRIN_ROOT"
ROUNDS=${1:?rounds}
shift
JOBS=${JOBS:-$(nproc)}

start_windows_road
failed_rounds=0
for round in $(seq "$ROUNDS"); do
  started=$SECONDS
  log_file=build/win/test-loop-$round.log
  if ctest --test-dir build/win --output-on-failure -j "$JOBS" "$@" >"$log_file" 2>&1; then
    result=passed
  else
    result="FAILED ($(grep -c 'Failed\|Timeout\|Exception' "$log_file") lines of failures; see $log_file)"
    failed_rounds=$((failed_rounds + 1))
  fi
  printf 'round %d: %d s, %s\n' "$round" $((SECONDS - started)) "$result"
done
[ -s "$TAVRIN_HANG_LOG" ] && { echo "watchdog:"; cat "$TAVRIN_HANG_LOG"; }
exit $((failed_rounds > 0))
