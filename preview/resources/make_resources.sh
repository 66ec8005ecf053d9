#!/usr/bin/env bash
# Draws the preview pane's pictures with ImageMagick:
#   arrow_26601.png      the arrow between the source and the result view,
#                        20 x 24, on the key colour 0,128,128 (teal), which the
#                        pane does not draw so that its background shows;
#   eyedropper_168.png   the pick cursor, 16 x 16, black and white on
#                        transparent, its tip in the lower-left pixel (0, 15),
#                        which is the hot spot.
# Every picture is this script's own drawing. Run it from anywhere; it
# rewrites the PNG files beside it.
set -euo pipefail
cd "$(dirname "$0")"

# PNGs without time stamps, so that running the script again changes nothing.
strip=(-strip -define png:exclude-chunks=date,time)

# The arrow: a broad shaft and a head pointing right, drawn without
# anti-aliasing so that no pixel mixes the arrow with the key colour.
convert -size 20x24 xc:'#008080' +antialias \
  -fill '#3a6fd0' -stroke '#1c3770' -strokewidth 1 \
  -draw "polygon 0,8 9,8 9,1 19,11 19,12 9,22 9,15 0,15" \
  "${strip[@]}" PNG24:arrow_26601.png

# The eyedropper, drawn pixel by pixel: a black rubber bulb at the top right,
# a collar, and a white glass tube with a black rim down to the tip.
cat > /tmp/trimlet_eyedropper.xpm <<'XPM'
/* XPM */
static char *eyedropper[] = {
"16 16 3 1",
". c None",
"k c #000000",
"w c #FFFFFF",
"............kkk.",
"...........kkkkk",
"..........kkkkkk",
".........kkkkkkk",
"........kkkkkkk.",
".......kkkkkkk..",
"......kwkkkkk...",
".....kwwwkk.....",
"....kwwwk.......",
"...kwwwk........",
"..kwwwk.........",
".kwwwk..........",
".kwwk...........",
"kwwk............",
"kkk.............",
"k..............."
};
XPM
convert /tmp/trimlet_eyedropper.xpm "${strip[@]}" PNG32:eyedropper_168.png
rm -f /tmp/trimlet_eyedropper.xpm
