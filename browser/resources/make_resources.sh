#!/usr/bin/env bash
# Draws the file browser's pictures: the folder thumbnail and the thumbnail
# placeholder (48 x 48 on pure white, which the list shows as its
# background), and the 16 x 16 icons of the "My Computer" and desktop nodes.
# Needs ImageMagick's convert. The files are committed; run this only to
# make them again.
set -euo pipefail
cd "$(dirname "$0")"

# Folder thumbnail: a manila folder with its tab, a darker back and an edge.
convert -size 48x48 xc:white \
  -fill "#c8962e" -stroke "#8a6418" -strokewidth 1 \
  -draw "roundrectangle 5,10 22,16 2,2" \
  -draw "roundrectangle 5,13 42,39 2,2" \
  -fill "#f2c65a" -draw "polygon 5,19 43,19 41,39 7,39" \
  -stroke "#fbe3a0" -draw "line 8,21 40,21" \
  -strip PNG24:folder_thumbnail.png

# Placeholder: a grey picture frame with a crossed-out mountain.
convert -size 48x48 xc:white \
  -fill "#eeeeee" -stroke "#9a9a9a" -strokewidth 1 -draw "rectangle 6,9 41,38" \
  -fill "#c4c4c4" -stroke none -draw "polygon 9,35 19,21 26,29 31,24 38,35" \
  -fill "#d6d6d6" -draw "circle 32,16 32,19" \
  -stroke "#b03030" -strokewidth 2 -draw "line 10,12 37,35" -draw "line 37,12 10,35" \
  -strip PNG24:thumbnail_placeholder.png

# "My Computer": a monitor on a stand.
convert -size 16x16 xc:none \
  -fill "#d9d9d9" -stroke "#505050" -strokewidth 1 -draw "rectangle 1,1 14,10" \
  -fill "#3f7fc0" -stroke none -draw "rectangle 3,3 12,8" \
  -fill "#808080" -draw "rectangle 6,11 9,12" -draw "rectangle 3,13 12,14" \
  -strip PNG32:computer.png

# Desktop: a blue screen with two small icons and a task bar.
convert -size 16x16 xc:none \
  -fill "#2f6fb0" -stroke "#1c3f66" -strokewidth 1 -draw "rectangle 0,1 15,14" \
  -fill "#ffffff" -stroke none -draw "rectangle 2,3 4,5" -draw "rectangle 2,7 4,9" \
  -fill "#c8d8e8" -draw "rectangle 1,12 14,13" \
  -strip PNG32:desktop.png

ls -l folder_thumbnail.png thumbnail_placeholder.png computer.png desktop.png
