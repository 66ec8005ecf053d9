#!/usr/bin/env bash
# Draws the settings panel's pictures with ImageMagick: the etched separator
# lines 177 (80 x 2, stretched across) and 176 (2 x 16, stretched down), and
# the glyphs 180 (a corner with a point: the rectangle's place) and 181 (a
# corner with a diagonal arrow: its size), 12 x 12 each. Every picture is
# this script's own drawing. Run it from anywhere; it rewrites the PNG files
# beside it.
set -euo pipefail
cd "$(dirname "$0")"

png() {  # png CONVERT-ARGS... OUTPUT
  local out="${*: -1}"
  convert "${@:1:$#-1}" -strip -define png:exclude-chunks=date,time "PNG32:$out"
}

png -size 80x2 xc:white -fill '#808080' -draw "line 0,0 79,0" separator_177.png
png -size 2x16 xc:white -fill '#808080' -draw "line 0,0 0,15" separator_176.png
png -size 12x12 xc:none +antialias -fill none -stroke '#303030' \
  -draw "polyline 1,10 1,1 10,1" -stroke none -fill '#2a62c8' -draw "rectangle 5,5 7,7" \
  glyph_180.png
png -size 12x12 xc:none +antialias -fill none -stroke '#303030' \
  -draw "polyline 1,10 1,1 10,1" -stroke '#2a62c8' -draw "line 4,4 10,10" \
  -fill '#2a62c8' -stroke none -draw "polygon 11,11 6,11 11,6" glyph_181.png
