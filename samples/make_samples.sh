#!/usr/bin/env bash
# Makes the sample pictures of samples/: scanned-looking pages (a slightly
# tilted picture on a white page with dust specks), one in each format, one
# with alpha. Needs ImageMagick's convert. The files are committed; run this
# only to make them again.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# picture <file> <width> <height> <sky> <ground> <sun>
picture() {
  local w=$2 h=$3
  convert -size "${w}x${h}" "gradient:$4-$5" \
    -fill "#3b6e3b" -draw "polygon 0,$h $((w/3)),$((h*6/10)) $((w*2/3)),$((h*8/10)) $w,$((h/2)) $w,$h" \
    -fill "$6" -draw "circle $((w*3/4)),$((h/4)) $((w*3/4+h/10)),$((h/4))" \
    -bordercolor "#f4f1ea" -border 6 "$1"
}

# page <out> <page-size> <picture> <angle> <x> <y> <specks> <seed>
page() {
  local out=$1 size=$2 pic=$3 angle=$4 x=$5 y=$6 specks=$7
  RANDOM=$8
  local w=${size%x*} h=${size#*x} draw=""
  for ((i = 0; i < specks; i++)); do
    # Dust: single dark pixels and pairs, as a scanner sees them.
    local px=$((RANDOM % w)) py=$((RANDOM % h))
    draw+="point $px,$py "
    if ((RANDOM % 3 == 0)); then draw+="point $((px + 1)),$py "; fi
  done
  convert -size "$size" xc:white \( "$pic" -background white -rotate "$angle" \) \
    -geometry "+$x+$y" -composite -fill "#303030" -draw "$draw" "$out"
}

picture "$tmp/a.png" 420 280 "#5d8fc4" "#e9d9a8" "#fff3c0"
picture "$tmp/b.png" 300 220 "#c46a5d" "#f0e0c8" "#fffbe0"
picture "$tmp/c.png" 260 200 "#6a5dc4" "#d8e8f0" "#f0fff0"
picture "$tmp/d.png" 240 180 "#3f8f7f" "#f2e6d0" "#ffe8d0"

page "$tmp/postcard.png" 800x600 "$tmp/a.png" 2.5 170 140 60 11
convert "$tmp/postcard.png" -quality 85 postcard.jpg

page "$tmp/ticket.png" 560x420 "$tmp/b.png" -1.8 120 90 40 23
convert "$tmp/ticket.png" -compress RLE ticket.tga

page "$tmp/sketch.png" 400x300 "$tmp/c.png" 1.2 60 40 25 37
convert "$tmp/sketch.png" -type TrueColor bmp3:sketch.bmp

# The PNG keeps an alpha channel: the picture is slightly translucent.
page "$tmp/label.png" 480x360 "$tmp/d.png" -3 110 80 30 41
convert "$tmp/label.png" -alpha set -channel A -fx "u.r<0.97||u.g<0.97||u.b<0.97 ? 0.85 : 1" \
  +channel -define png:color-type=6 label.png
ls -l postcard.jpg ticket.tga sketch.bmp label.png
