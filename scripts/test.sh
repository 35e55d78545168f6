#!/usr/bin/env bash
# Builds and runs every test: the platform-independent code natively under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the Windows program and
# its tests (real windows) under Wine on a virtual desktop.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$TAVRIN_ROOT"
JOBS=${JOBS:-$(nproc)}

ensure_packages

log "native build and tests (ASan + UBSan)"
ensure_build build/native -DCMAKE_BUILD_TYPE=Debug -DTAVRIN_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build/native --output-on-failure -j "$JOBS"

if [ -x scripts/fuzz.sh ]; then
  log "fuzzing briefly"
  scripts/fuzz.sh --brief
fi

log "Windows build"
HTTPLIB_DIR=$(ensure_httplib)
ensure_build build/win -DCMAKE_TOOLCHAIN_FILE="$TAVRIN_ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DHTTPLIB_INCLUDE_DIR="$HTTPLIB_DIR"

log "Windows build with clang (a second compiler; its tests are built, not run)"
build_with_clang -DHTTPLIB_INCLUDE_DIR="$HTTPLIB_DIR"

log "Windows tests under Wine"
start_windows_road
started=$SECONDS
status=0
ctest --test-dir build/win --output-on-failure -j "$JOBS" || status=$?
log "Windows tests took $((SECONDS - started)) s"
if [ -s "$TAVRIN_HANG_LOG" ]; then
  log "the watchdog's notes (build/win/watchdog.log):"
  cat "$TAVRIN_HANG_LOG" >&2
fi
[ "$status" -eq 0 ] || exit "$status"
log "all tests passed"
