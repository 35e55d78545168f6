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
ensure_build build/win -DCMAKE_TOOLCHAIN_FILE="$TAVRIN_ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release

log "Windows build with clang (a second compiler; its tests are built, not run)"
build_with_clang

log "Windows tests under Wine"
ensure_display
ensure_prefix
start_wineserver
trap stop_wineserver EXIT
# A Wine test process now and then hangs on its way out after its test has
# passed; one more run of a failed test tells that apart from a real failure.
ctest --test-dir build/win --output-on-failure -j "$JOBS" --repeat until-pass:2
log "all tests passed"
