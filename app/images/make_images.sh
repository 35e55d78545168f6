#!/usr/bin/env bash
# Makes the four header pictures of the main window: the three exercise
# buttons (red words on white) and the shop banner. 24-bit bitmaps at the exact
# sizes the window lays them out at. The results are committed, so building the
# program does not need ImageMagick; run this again only to change the pictures.
#
# Each picture is also drawn for the 150 % and 200 % display scales,
# imageN@1.5x.bmp and imageN@2x.bmp: every size, position and the point size
# of the text taken through round(m * k), half up, and drawn at that size, not
# resampled from the 96-DPI picture.
#
# The bottom-left pixel of every picture is white: that colour is left out when
# an image is drawn transparent.
set -euo pipefail
cd "$(dirname "$0")"

FONT=${FONT:-/usr/share/fonts/truetype/wqy/wqy-microhei.ttc}
RED='#c00000'

# at <m>: the 96-DPI measure m at the scale NUM/DEN, rounded half up.
at() {
  echo $(( (2 * $1 * NUM + DEN) / (2 * DEN) ))
}

# button <file> <width> <height> <words>
button() {
  convert -size "$(at "$2")x$(at "$3")" xc:white -font "$FONT" -fill "$RED" -pointsize "$(at 26)" \
    -gravity center -annotate +0+0 "$4" \
    -type TrueColor -define bmp:format=bmp3 -compress none BMP3:"$1"
}

# The shop banner: a framed red label with a line of invitation below.
banner() {
  local w h
  w=$(at 280) h=$(at 100)
  convert -size "${w}x${h}" xc:white \
    -fill '#fff4d6' -stroke "$RED" -strokewidth "$(at 3)" \
    -draw "roundrectangle $(at 8),$(at 8) $((w - 1 - $(at 8))),$((h - 1 - $(at 8))) $(at 14),$(at 14)" \
    -stroke none -font "$FONT" -fill "$RED" -pointsize "$(at 30)" -gravity north -annotate "+0+$(at 16)" '训练用品商店' \
    -fill '#805000' -pointsize "$(at 16)" -gravity south -annotate "+0+$(at 18)" '专注力图书 · 计时器 · 点击进入' \
    -type TrueColor -define bmp:format=bmp3 -compress none BMP3:"$1"
}

# suffix, and the scale as NUM/DEN
for scale in ':1:1' '@1.5x:3:2' '@2x:2:1'; do
  IFS=: read -r suffix NUM DEN <<< "$scale"
  button "image1$suffix.bmp" 139 42 '初级测试'
  button "image2$suffix.bmp" 143 43 '中级测试'
  button "image3$suffix.bmp" 138 43 '高级测试'
  banner "image4$suffix.bmp"
done
