#!/usr/bin/env bash
# Runs one Windows executable under Wine with the project's environment
# (CTest's emulator for every Windows test). The exit status passes through.
source "$(dirname "$0")/lib.sh"
export DISPLAY=${DISPLAY:-:99}
exec wine "$@" </dev/null
