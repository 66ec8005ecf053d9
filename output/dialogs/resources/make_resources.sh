#!/usr/bin/env bash
# Draws the batch dialog's browse picture 26600 with ImageMagick: an open
# folder, 15 x 15, on the key colour (0, 128, 128) that the button replaces by
# its face colour (or by white while disabled). This script's own drawing.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 15x15 'xc:rgb(0,128,128)' +antialias \
  -fill '#e8c252' -stroke '#7a5a10' -draw "polygon 1,3 5,3 6,4 12,4 12,12 1,12" \
  -fill '#f4d77a' -draw "polygon 3,7 14,7 12,12 1,12" \
  -strip -define png:exclude-chunks=date,time PNG24:browse_26600.png
