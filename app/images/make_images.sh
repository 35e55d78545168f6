#!/usr/bin/env bash
# Makes the four header pictures of the main window: the three exercise
# buttons (red words on white) and the shop banner. 24-bit bitmaps at the exact
# sizes the window lays them out at. The results are committed, so building the
# program does not need ImageMagick; run this again only to change the pictures.
#
# The bottom-left pixel of every picture is white: that colour is left out when
# an image is drawn transparent.
set -euo pipefail
cd "$(dirname "$0")"

FONT=${FONT:-/usr/share/fonts/truetype/wqy/wqy-microhei.ttc}
RED='#c00000'

# button <file> <width> <height> <words>
button() {
  convert -size "$2x$3" xc:white -font "$FONT" -fill "$RED" -pointsize 26 \
    -gravity center -annotate +0+0 "$4" \
    -type TrueColor -define bmp:format=bmp3 -compress none BMP3:"$1"
}

button image1.bmp 139 42 '初级测试'
button image2.bmp 143 43 '中级测试'
button image3.bmp 138 43 '高级测试'

# The shop banner: a framed red label with a line of invitation below.
convert -size 280x100 xc:white \
  -fill '#fff4d6' -stroke "$RED" -strokewidth 3 -draw 'roundrectangle 8,8 271,91 14,14' \
  -stroke none -font "$FONT" -fill "$RED" -pointsize 30 -gravity north -annotate +0+16 '训练用品商店' \
  -fill '#805000' -pointsize 16 -gravity south -annotate +0+18 '专注力图书 · 计时器 · 点击进入' \
  -type TrueColor -define bmp:format=bmp3 -compress none BMP3:image4.bmp
