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
  g++ googletest libcpp-httplib-dev pkg-config clang libclang-rt-14-dev"

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

# Starts Xvfb on :99 unless a display is already usable.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  export DISPLAY=:99
  if ! xdpyinfo >/dev/null 2>&1; then
    log "starting Xvfb on $DISPLAY"
    (Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &)
    local i
    for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
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

# Creates the Wine prefix once and applies the registry settings.
ensure_prefix() {
  local stamp=$WINEPREFIX/.tavrin-ready-2
  [ -f "$stamp" ] && return 0
  log "creating Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 || true
  local reg=$WINEPREFIX/tavrin.reg
  write_registry_file > "$reg"
  wine regedit /S "$reg" >/dev/null 2>&1
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

stop_wineserver() {
  wineserver -k >/dev/null 2>&1 || true
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
    -DCMAKE_TOOLCHAIN_FILE="$TAVRIN_ROOT/cmake/clang-mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE= >/dev/null || return
  cmake --build "$dir" 2>&1 | { grep -v "duplicate section .* has different size" || true; } || return
  if [ ! -s "$dir/app/Tavrin.exe" ]; then
    log "the clang build made no $dir/app/Tavrin.exe"
    return 1
  fi
}
