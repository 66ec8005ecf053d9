#!/usr/bin/env bash
# Draws the main frame's pictures with ImageMagick: the toolbar buttons
# (16 x 15), the hand cursor 141 (32 x 32, hot spot at the finger tip 9, 1),
# the about box's stripe 176 (2 x 16) and the program icon (256 x 256 drawn,
# smaller sizes scaled from it). Every picture is this script's own drawing.
# Run it from anywhere; it rewrites the PNG files beside it.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p toolbar cursors bitmaps icons

# PNGs without time stamps, so that running the script again changes nothing.
png() {  # png CONVERT-ARGS... OUTPUT
  local out="${*: -1}"
  convert "${@:1:$#-1}" -strip -define png:exclude-chunks=date,time "$out"
}
button() {  # button NAME DRAW-ARGS...
  local name=$1
  shift
  convert -size 16x15 xc:none +antialias "$@" -strip -define png:exclude-chunks=date,time \
    "PNG32:toolbar/$name.png"
}

ink='#303030'

# Save Image: an arrow going down into a tray.
button save \
  -fill none -stroke "$ink" -draw "polyline 1,9 1,13 14,13 14,9" \
  -stroke none -fill '#2a62c8' -draw "rectangle 6,1 9,6" -draw "polygon 3,6 12,6 7,11"

# Batch Process: a stack of three sheets with a green run mark.
button batch \
  -fill white -stroke "$ink" -draw "rectangle 1,1 8,9" \
  -draw "rectangle 3,3 10,11" -draw "rectangle 5,5 12,13" \
  -stroke none -fill '#2f9e3f' -draw "polygon 10,7 15,10 10,14"

# Manual Crop: a tilted picture with a dashed cutting frame.
button manual_crop \
  -fill '#7fb2e5' -stroke "$ink" -draw "polygon 3,2 13,4 11,13 1,11" \
  -stroke '#c82a2a' -fill none -draw "rectangle 4,5 10,10"

# Parent folder: a folder with an arrow pointing up.
button parent_folder \
  -fill '#e8c252' -stroke '#8a6a1a' -draw "polygon 0,3 5,3 6,4 14,4 14,13 0,13" \
  -stroke none -fill '#2f9e3f' -draw "polygon 7,5 11,9 9,9 9,12 6,12 6,9 3,9"

# Large Icon: four big tiles.
button large_icons \
  -fill '#3f7fd8' -stroke "$ink" -draw "rectangle 1,1 6,6" -draw "rectangle 9,1 14,6" \
  -draw "rectangle 1,8 6,13" -draw "rectangle 9,8 14,13"

# Small Icon (list): small tiles with their names, in two columns.
button list \
  -stroke none -fill '#3f7fd8' -draw "rectangle 1,2 2,3" -draw "rectangle 1,6 2,7" \
  -draw "rectangle 1,10 2,11" -draw "rectangle 9,2 10,3" -draw "rectangle 9,6 10,7" \
  -fill "$ink" -draw "rectangle 4,2 7,3" -draw "rectangle 4,6 7,7" -draw "rectangle 4,10 7,11" \
  -draw "rectangle 12,2 15,3" -draw "rectangle 12,6 15,7"

# Details: a heading and rows of columns.
button details \
  -fill white -stroke "$ink" -draw "rectangle 0,0 15,14" \
  -stroke none -fill '#9ab4dc' -draw "rectangle 1,1 15,3" \
  -fill "$ink" -draw "rectangle 2,6 7,6" -draw "rectangle 10,6 13,6" \
  -draw "rectangle 2,9 7,9" -draw "rectangle 10,9 13,9" \
  -draw "rectangle 2,12 7,12" -draw "rectangle 10,12 13,12"

# Thumbnail: six little pictures, each a sky over a hill.
thumbs=()
for x in 0 5 10; do
  for y in 1 8; do
    thumbs+=(-fill '#9fd0f0' -stroke "$ink" -draw "rectangle $((x)),$((y)) $((x + 5)),$((y + 5))")
    thumbs+=(-stroke none -fill '#4aa04a' -draw "rectangle $((x + 1)),$((y + 4)) $((x + 5)),$((y + 5))")
  done
done
button thumbnails "${thumbs[@]}"

# Contents: a question mark in a blue disc.
button help -antialias \
  -fill '#2a62c8' -stroke none -draw "circle 7.5,7 7.5,0" \
  -fill none -stroke white -strokewidth 2 -draw "path 'M 5,5 C 5,1.6 10.5,1.6 10.5,5 C 10.5,7 7.5,7 7.5,9.5'" \
  -stroke none -fill white -draw "rectangle 6.5,11 8.5,12.5"

# The hand over a link (cursor 141): a white hand with a black outline, the
# index finger up; the tip at 9, 1 is the hot spot.
png -size 32x32 xc:none -fill white -stroke black -strokewidth 1 -draw \
  "polygon 8,3 9,1 11,1 12,3 12,11 14,10 16,11 16,12 18,12 19,13 19,14 21,14 22,15 22,21 20,25 19,28 10,28 9,25 5,20 3,17 4,15 6,15 8,17" \
  -stroke black -draw "line 12,11 12,15" -draw "line 16,12 16,15" -draw "line 19,14 19,16" \
  PNG32:cursors/hand_141.png

# The about box's stripe (bitmap 176): an etched line, grey beside white.
png -size 1x16 xc:'#808080' -size 1x16 xc:white +append PNG24:bitmaps/stripe_176.png

# The program icon: a tilted photograph (sky, sun, hills) with the corner
# marks of a crop around it.
png -size 256x256 xc:none \
  -fill '#f7f7f2' -stroke '#505050' -strokewidth 4 -draw "polygon 40,62 206,44 222,190 56,208" \
  -stroke none -fill '#8ccbf2' -draw "polygon 54,74 196,58 205,138 63,154" \
  -fill '#f4c430' -draw "circle 160,90 160,108" \
  -fill '#4e9f46' -draw "polygon 63,154 110,112 150,134 205,138 210,180 68,196" \
  -fill '#2f7a33' -draw "polygon 120,170 160,126 208,160 210,180 125,189" \
  -stroke none -fill '#d8462b' \
  -draw "rectangle 10,10 24,72" -draw "rectangle 10,10 72,24" \
  -draw "rectangle 231,10 245,72" -draw "rectangle 183,10 245,24" \
  -draw "rectangle 231,183 245,245" -draw "rectangle 183,231 245,245" \
  -draw "rectangle 10,183 24,245" -draw "rectangle 10,231 72,245" \
  PNG32:icons/trimlet_256.png
for size in 16 32 48 64 128; do
  png icons/trimlet_256.png -filter Lanczos -resize ${size}x${size} PNG32:icons/trimlet_$size.png
done
echo "pictures written to $(pwd)"
