#!/usr/bin/env bash
# Regenerates the committed seed corpus of the skin fuzzer: a few small stored
# skins made by skinpack. Needs a native build (build/native) and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../.."
skinpack=build/native/tools/skinpack/skinpack
out=tests/fuzz/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --build build/native --target skinpack >/dev/null
rm -f "$out"/*

# A minimal skin: one frame border and its definition.
mkdir "$work/minimal"
convert -size 6x4 xc:'#3060a0' BMP3:"$work/minimal/top.bmp"
printf '[TitlebarSkin]\r\nSkinName=seed\r\n[Personality]\r\nTop=top.bmp\r\nTopTopHeight=2\r\nTopBotHeight=2\r\n' \
  >"$work/minimal/skin.ini"
"$skinpack" pack "$work/minimal" "$out/minimal.stored" >/dev/null

# Buttons, a caption button and an 8-bit image with the key colour.
mkdir "$work/buttons"
convert -size 12x3 xc:magenta -fill '#808080' -draw 'rectangle 1,0 10,2' -type palette BMP3:"$work/buttons/button.bmp"
convert -size 24x4 xc:'#c0c0c0' BMP3:"$work/buttons/close.bmp"
printf '[Buttons]\r\nBitmap=button.bmp\r\nLeftWidth=1\r\nRightWidth=1\r\nTrans=1\r\n[BUTTON1]\r\nAction=0\r\nAlign=1\r\nButtonImage=x:\\close.bmp\r\n[Colours]\r\nButtonFace=236 233 216\r\n' \
  >"$work/buttons/skin.ini"
"$skinpack" pack "$work/buttons" "$out/buttons.stored" >/dev/null

# Images for larger scales: a fitting 2x border, a 1.5x one of the wrong size,
# and a 2x push button with the key colour.
mkdir "$work/scaled"
cp "$work/minimal/top.bmp" "$work/buttons/button.bmp" "$work/scaled/"
convert -size 12x8 xc:'#3060a0' BMP3:"$work/scaled/top@2x.bmp"
convert -size 8x7 xc:'#3060a0' BMP3:"$work/scaled/top@1.5x.bmp"
convert -size 24x6 xc:magenta -fill '#808080' -draw 'rectangle 2,0 21,5' BMP3:"$work/scaled/button@2x.bmp"
printf '[Personality]\r\nTop=top.bmp\r\nTopTopHeight=2\r\nTopBotHeight=2\r\n[Buttons]\r\nBitmap=button.bmp\r\nLeftWidth=1\r\nRightWidth=1\r\nTrans=1\r\n' \
  >"$work/scaled/skin.ini"
"$skinpack" pack "$work/scaled" "$out/scaled.stored" >/dev/null

# The same skins as bare packages, which the fuzzer compresses itself.
for name in minimal buttons scaled; do
  "$skinpack" decode "$out/$name.stored" "$work/$name.package" >/dev/null
  { printf 'PKG:'; cat "$work/$name.package"; } >"$out/$name.package"
done

# Not a package: any bytes in the stored form, and an empty stored skin.
printf 'plain text, no package header' >"$work/text"
"$skinpack" encode "$work/text" "$out/text.stored" >/dev/null
printf '\0\0\0\0' >"$out/empty.stored"
ls -l "$out"
