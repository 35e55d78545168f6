# Shared shell functions of the run and test scripts. Source it; do not run it.
# Everything here is idempotent: a second call finds the work already done.

TAVRIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/tavrin/wine64}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# A crashing program must end at once with a non-zero status, never wait in a debugger.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winedbg.exe=d}

DEBIAN_PACKAGES="wine wine64 xvfb x11-utils xauth imagemagick xdotool fonts-wqy-microhei fonts-wine
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools cmake ninja-build
  g++ googletest libcpp-httplib-dev pkg-config clang libclang-rt-14-dev nsis dpkg-dev"

log() { printf '== %s\n' "$*" >&2; }

# Installs whatever Debian package is missing (needs root or sudo).
ensure_packages() {
  local missing=() p
  for p in $DEBIAN_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Builds one tree: ensure_build <dir> <extra cmake args...>
ensure_build() {
  local dir=$1; shift
  cmake -S "$TAVRIN_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}

# Starts Xvfb on $DISPLAY (default :99) unless that display is usable already.
ensure_display() {
  export DISPLAY=${DISPLAY:-:99}
  xdpyinfo >/dev/null 2>&1 && return 0
  log "starting Xvfb on $DISPLAY"
  (Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &)
  local i
  for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

# Holds the Wine prefix and the display for this run: a second run on the
# same machine waits here instead of sharing the desktop with this one (its
# windows would take each other's focus). A run with another WINEPREFIX and
# DISPLAY goes on beside it. The locks end with the script.
lock_wine_run() {
  local prefix_lock display_lock
  prefix_lock=/tmp/tavrin-prefix-$(printf '%s' "$WINEPREFIX" | md5sum | cut -c1-12).lock
  display_lock=/tmp/tavrin-display-${DISPLAY//[^0-9.]/}.lock
  exec {TAVRIN_PREFIX_LOCK}>"$prefix_lock" {TAVRIN_DISPLAY_LOCK}>"$display_lock"
  if ! flock -n "$TAVRIN_PREFIX_LOCK" || ! flock -n "$TAVRIN_DISPLAY_LOCK"; then
    log "another run uses the Wine prefix $WINEPREFIX or the display $DISPLAY: waiting for it to end"
    flock "$TAVRIN_PREFIX_LOCK"
    flock "$TAVRIN_DISPLAY_LOCK"
  fi
}

# The registry settings every run needs: a virtual desktop (so that custom frames
# are visible without a window manager) and font links that give the dialog
# fonts the CJK glyphs of WenQuanYi.
write_registry_file() {
  local link
  # REG_MULTI_SZ of "wqy-microhei.ttc,WenQuanYi Micro Hei": a REGEDIT4 file gives
  # the bytes of the ANSI text, ended by two zero bytes.
  link=$(printf 'wqy-microhei.ttc,WenQuanYi Micro Hei' | od -An -tx1 -v | tr -s ' \n' ',,' | sed 's/^,//;s/,$//')
  link="hex(7):${link},00,00"
  cat <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"DejaVu Sans"=$link
"Tahoma"=$link
"MS Sans Serif"=$link
"Microsoft Sans Serif"=$link
"MS Shell Dlg"=$link
"MS Shell Dlg 2"=$link
REG
}

# Debian's Wine looks for its own fonts beside its DLLs, where Debian does not
# put them, so windows that keep the system's frame show the letters "0 1 r"
# instead of caption-button glyphs. The glyphs come from Marlett; a copy in the
# prefix's font folder is found. (Only Marlett: Wine's other fonts would
# replace the fonts that the tests' text is drawn in.)
install_prefix_fonts() {
  local dir
  for dir in /usr/share/wine/fonts /usr/lib/x86_64-linux-gnu/wine/fonts /usr/lib/wine/fonts; do
    if [ -f "$dir/marlett.ttf" ]; then
      mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
      cp "$dir/marlett.ttf" "$WINEPREFIX/drive_c/windows/Fonts/"
      return 0
    fi
  done
  log "marlett.ttf not found (package fonts-wine): system frames show letters for their glyphs"
}

# Creates the Wine prefix once and applies the registry settings and fonts.
ensure_prefix() {
  local stamp=$WINEPREFIX/.tavrin-ready-3
  [ -f "$stamp" ] && return 0
  log "creating Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 || true
  local reg=$WINEPREFIX/tavrin.reg
  write_registry_file > "$reg"
  wine regedit /S "$reg" >/dev/null 2>&1
  install_prefix_fonts
  touch "$stamp"
}

# One long-lived wineserver for a whole run, so that no process waits for it to exit.
start_wineserver() {
  if ! wineserver -p >/dev/null 2>&1 </dev/null; then
    # A server is running already, e.g. the short-lived one of the prefix set-up:
    # let it end, then start ours (a persistent one of another run stays in use).
    timeout 15 wineserver -w >/dev/null 2>&1 </dev/null || true
    wineserver -p >/dev/null 2>&1 </dev/null || true
  fi
  (wine wineboot </dev/null >/dev/null 2>&1 &)
}

# Keeps the Wine desktop up for the whole run (tests/road/desktop_keeper.cpp):
#   start_desktop_keeper <desktop-keeper.exe>
start_desktop_keeper() {
  (wine "$1" </dev/null >/dev/null 2>&1 &)
}

stop_wineserver() {
  wineserver -k >/dev/null 2>&1 || true
}

# Everything the Windows tests of one run share, started once: the display,
# this run's hold on it and on the prefix, the prefix, the wineserver and the
# desktop (all ended when the script ends), and the watchdog's log
# (build/win/watchdog.log, see scripts/wine-run.sh).
start_windows_road() {
  ensure_display
  lock_wine_run
  ensure_prefix
  start_wineserver
  trap stop_wineserver EXIT
  # TAVRIN_KEEP_DESKTOP=0 lets the desktop end between tests, as Wine does by
  # itself (for comparing runs).
  [ "${TAVRIN_KEEP_DESKTOP:-1}" = 0 ] ||
    start_desktop_keeper "$TAVRIN_ROOT/build/win/tests/road/desktop-keeper.exe"
  export TAVRIN_HANG_LOG=$TAVRIN_ROOT/build/win/watchdog.log
  : >"$TAVRIN_HANG_LOG"
}

# Prints the folder of cpp-httplib's single header (the whole library, as the
# Windows build of the site server needs it: Debian's binary package has no
# implementation for mingw-w64). Fetched once from Debian's source package,
# with Debian's patches applied, into a cache outside the repository; a
# private apt source list and state leave the system's apt set-up untouched.
ensure_httplib() {
  local cache=${TAVRIN_CACHE:-$HOME/.cache/tavrin}/httplib
  if [ -f "$cache/httplib.h" ]; then echo "$cache"; return 0; fi
  log "fetching cpp-httplib's source package into $cache"
  local work
  work=$(mktemp -d) || return 1
  chmod 755 "$work"  # apt's download user must reach it
  mkdir -p "$work/sources" "$work/lists/partial" "$work/cache/archives/partial"
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$work/sources/$(basename "$f")"
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$f" >"$work/sources/$(basename "$f" .list).list"
  done
  local apt=(apt-get -q -o Dir::Etc::SourceParts="$work/sources" -o Dir::Etc::SourceList=/dev/null
             -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache")
  if (cd "$work" && "${apt[@]}" update && "${apt[@]}" source --download-only cpp-httplib &&
      dpkg-source -x ./*.dsc src) >"$work/log" 2>&1 && grep -q 'inline Server::Server()' "$work/src/httplib.h"; then
    mkdir -p "$cache"
    cp "$work/src/LICENSE" "$cache/LICENSE"
    cp "$work/src/httplib.h" "$cache/httplib.h.part" && mv "$cache/httplib.h.part" "$cache/httplib.h"
  else
    cat "$work/log" >&2
  fi
  rm -rf "$work"
  if [ ! -f "$cache/httplib.h" ]; then
    log "could not fetch cpp-httplib's source package"
    return 1
  fi
  echo "$cache"
}

# Configures a tree and builds one target of it:
#   ensure_target <dir> <target> <extra cmake args...>
# Fails with a message when the tree has no such target.
ensure_target() {
  local dir=$1 target=$2; shift 2
  cmake -S "$TAVRIN_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  if ! ninja -C "$dir" -t query "$target" >/dev/null 2>&1; then
    log "the build in $dir has no target '$target'"
    return 1
  fi
  cmake --build "$dir" --target "$target"
}

# Waits up to <seconds> for a line matching <pattern> in <file> while process <pid> lives:
#   wait_for_line <file> <pattern> <pid> <seconds>
wait_for_line() {
  local file=$1 pattern=$2 pid=$3 seconds=$4 i
  for i in $(seq $((seconds * 10))); do
    grep -q "$pattern" "$file" 2>/dev/null && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Builds the Windows program and its tests with clang too (build/win-clang), so
# that the sources keep compiling with a second compiler, warnings as errors.
# The tests run from the GCC build only, so no optimisation is asked for here.
# Left out: the linker's remarks that a type's name or type information from
# clang's objects and from GCC's C++ library differ in size ("duplicate section
# ... has different size"): GCC pads them to 16 bytes, the contents are the same.
build_with_clang() {
  local -
  set -o pipefail
  local dir=$TAVRIN_ROOT/build/win-clang
  cmake -S "$TAVRIN_ROOT" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TAVRIN_ROOT/cmake/clang-mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE= "$@" >/dev/null || return
  cmake --build "$dir" 2>&1 | { grep -v "duplicate section .* has different size" || true; } || return
  if [ ! -s "$dir/app/Tavrin.exe" ]; then
    log "the clang build made no $dir/app/Tavrin.exe"
    return 1
  fi
}
