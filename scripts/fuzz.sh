#!/usr/bin/env bash
# Fuzzes the skin loading stages (stored skin -> package -> definition) with
# libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer.
#
#   scripts/fuzz.sh             fuzz for FUZZ_SECONDS (default 600) seconds
#   scripts/fuzz.sh --brief     about 20 seconds, as the test script does
#
# The fuzz tree is build/fuzz (clang). New inputs collect in build/fuzz/corpus,
# starting from the committed seeds in tests/fuzz/corpus; a crashing input is
# saved in build/fuzz/artifacts and the script fails.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$TAVRIN_ROOT"

seconds=${FUZZ_SECONDS:-600}
if [ "${1:-}" = "--brief" ]; then seconds=15; fi

ensure_packages
build=build/fuzz
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" -DTAVRIN_FUZZ=ON >/dev/null
cmake --build "$build" --target skin_fuzz

mkdir -p "$build/corpus" "$build/artifacts"
cp -n tests/fuzz/corpus/* "$build/corpus/" 2>/dev/null || true
log "fuzzing the skin loader for $seconds s"
"$build/tests/fuzz/skin_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
  -print_final_stats=1 -artifact_prefix="$build/artifacts/" "$build/corpus" 2>"$build/fuzz.log" || {
  tail -n 60 "$build/fuzz.log" >&2
  log "the fuzzer found a failing input: see $build/artifacts/"
  exit 1
}
grep -aE '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$build/fuzz.log" >&2 || true
