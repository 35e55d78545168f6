#!/usr/bin/env bash
# Makes docs/quiz.png: the quiz page as a trainee sees it in the training
# window's browser area (705 x 464 at 100 %), rendered by Debian's headless
# Chromium from the project's own site server. Wine here renders no page, so
# the README shows this picture beside the window. Needs the native site
# server (build/native) and the package chromium; run it again only to
# change the picture.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_target build/native tavrin_site >/dev/null
work=$(mktemp -d)
trap 'kill "$site" 2>/dev/null || true; rm -rf "$work"' EXIT
build/native/site/tavrin_site >"$work/site.log" 2>&1 &
site=$!
wait_for_line "$work/site.log" '^listening on' "$site" 10
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --hide-scrollbars --user-data-dir="$work/profile" \
  --window-size=705,464 --screenshot="$PWD/docs/quiz.png" "http://127.0.0.1:8931/soft/tavrin.aspx" 2>/dev/null
ls -l docs/quiz.png
