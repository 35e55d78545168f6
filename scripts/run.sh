#!/usr/bin/env bash
# Builds the program and runs it under Wine together with the local training
# site. With a usable display the program runs until you close it. Without one
# it runs on Xvfb: the script waits for the window, saves a screenshot, prints
# its path and ends the program.
#
#   scripts/run.sh                       the training program
#   scripts/run.sh --gallery [ARGS...]   the skin gallery instead (ARGS go to
#                                        it, e.g. --show dialog --show msgbox)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$TAVRIN_ROOT"

RUN_DIR=$TAVRIN_ROOT/build/run
SCREENSHOT=${SCREENSHOT:-$RUN_DIR/screenshot.png}
SITE_SERVER=build/native/site/tavrin_site
TARGET=Tavrin
PROGRAM=build/win/app/Tavrin.exe
WINDOW_TITLE="Tavrin集中力训练"
PROGRAM_ARGS=()
if [ "${1:-}" = "--gallery" ]; then
  shift
  TARGET=skin-gallery
  PROGRAM=build/win/gallery/skin-gallery.exe
  WINDOW_TITLE="Skin gallery"
  PROGRAM_ARGS=("$@")
fi
# Seconds to let the window settle when it cannot be found by name (inside the
# Wine virtual desktop the program's windows are not X windows of their own).
SETTLE=${SETTLE:-8}

SITE_PID=""
PROGRAM_PID=""

cleanup() {
  if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
  fi
  if [ -n "$SITE_PID" ] && kill -0 "$SITE_PID" 2>/dev/null; then
    kill "$SITE_PID" 2>/dev/null || true
    wait "$SITE_PID" 2>/dev/null || true
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

build() {
  # The same trees and settings as scripts/test.sh, so both reuse one build.
  log "native build of the site server"
  ensure_target build/native tavrin_site -DCMAKE_BUILD_TYPE=Debug -DTAVRIN_SANITIZE=ON
  log "Windows build of the program"
  local httplib
  httplib=$(ensure_httplib)
  if ! ensure_target build/win "$TARGET" \
      -DCMAKE_TOOLCHAIN_FILE="$TAVRIN_ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
      -DHTTPLIB_INCLUDE_DIR="$httplib"; then
    log "the program (target '$TARGET') does not exist yet: nothing to run"
    exit 1
  fi
}

start_site() {
  mkdir -p "$RUN_DIR"
  "$SITE_SERVER" >"$RUN_DIR/site.log" 2>&1 &
  SITE_PID=$!
  if ! wait_for_line "$RUN_DIR/site.log" '^listening on' "$SITE_PID" 10; then
    cat "$RUN_DIR/site.log" >&2
    log "the training site did not start (is another one using its port?)"
    exit 1
  fi
  log "training site: $(head -n 1 "$RUN_DIR/site.log") (log: $RUN_DIR/site.log)"
}

has_display() {
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

run_in_foreground() {
  log "running $PROGRAM on $DISPLAY; close its window to end"
  wine "$PROGRAM" "${PROGRAM_ARGS[@]}"
}

# Waits for the main window: by name where it is an X window, otherwise until
# the Wine desktop shows and then a fixed time.
wait_for_window() {
  local i
  for i in $(seq $((SETTLE * 10 + 300))); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || return 1
    xdotool search --name "$WINDOW_TITLE" >/dev/null 2>&1 && { sleep 1; return 0; }
    if [ "$i" -gt $((SETTLE * 10)) ] && xdotool search --name 'Wine desktop' >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  return 0
}

# Asks the program to close (WM_CLOSE), then insists.
end_program() {
  wine taskkill /IM "$(basename "$PROGRAM")" >/dev/null 2>&1 || true
  local i
  for i in $(seq 100); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    sleep 0.1
  done
  cleanup
}

run_with_screenshot() {
  ensure_display
  log "no display: running on Xvfb $DISPLAY"
  wine "$PROGRAM" "${PROGRAM_ARGS[@]}" >"$RUN_DIR/program.log" 2>&1 </dev/null &
  PROGRAM_PID=$!
  if ! wait_for_window; then
    cat "$RUN_DIR/program.log" >&2
    log "the program ended before its window was shown"
    exit 1
  fi
  import -window root -display "$DISPLAY" "$SCREENSHOT"
  end_program
  log "screenshot saved"
  echo "$SCREENSHOT"
}

ensure_packages
build
start_site
ensure_prefix
if has_display; then
  run_in_foreground
else
  run_with_screenshot
fi
