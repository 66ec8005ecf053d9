#!/usr/bin/env bash
# Makes the seed corpora of the JPEG and PNG fuzz targets: small files (under
# a few KB) in every variant the readers handle, drawn by ImageMagick from
# generated pictures, a few re-coded with libjpeg-turbo's own tools.
#   fuzz/make_seeds_jpeg_png.sh          (writes fuzz/corpus/jpeg, fuzz/corpus/png)
set -euo pipefail
cd "$(dirname "$0")"
command -v convert >/dev/null || { echo "needs ImageMagick's convert" >&2; exit 1; }
jpeg=corpus/jpeg
png=corpus/png
mkdir -p "$jpeg" "$png"
rm -f "$jpeg"/*.jpg "$png"/*.png

# A 16 x 12 colour picture with detail in both directions, and an alpha ramp.
picture=(-size 16x12 gradient:'#e01030-#20c0f0' '(' -size 12x16 gradient:'#ffffff-#303000'
         -rotate 90 ')' -compose multiply -composite)
alpha=('(' -size 16x12 gradient:'#ffffff-#000000' ')' -alpha off -compose copy_opacity -composite)
# No dates or comments, so the seeds come out the same every time, and no
# background chunk except where one is wanted.
plain=(-strip -define png:exclude-chunk=date,tIME,tEXt,zTXt,bKGD)

# JPEG
convert "${picture[@]}" -quality 75 "${plain[@]}" "$jpeg/colour.jpg"
convert "${picture[@]}" -sampling-factor 1x1 -quality 90 "${plain[@]}" "$jpeg/colour_444.jpg"
convert "${picture[@]}" -sampling-factor 2x1 "${plain[@]}" "$jpeg/colour_422.jpg"
convert "${picture[@]}" -colorspace Gray "${plain[@]}" "$jpeg/grey.jpg"
convert "${picture[@]}" -interlace JPEG "${plain[@]}" "$jpeg/progressive.jpg"
convert "${picture[@]}" -colorspace Gray -interlace JPEG "${plain[@]}" "$jpeg/progressive_grey.jpg"
convert "${picture[@]}" -colorspace CMYK "${plain[@]}" "$jpeg/cmyk_adobe.jpg"
convert "${picture[@]}" -colorspace CMYK -interlace JPEG "${plain[@]}" "$jpeg/cmyk_progressive.jpg"
convert "${picture[@]}" -define jpeg:restart-interval=1 "${plain[@]}" "$jpeg/restart_markers.jpg"
convert -size 13x7 xc:'#336699' "${plain[@]}" "$jpeg/odd_size.jpg"
convert -size 1x1 xc:white "${plain[@]}" "$jpeg/one_pixel.jpg"
if command -v jpegtran >/dev/null; then
  jpegtran -arithmetic "$jpeg/colour.jpg" >"$jpeg/arithmetic.jpg"
  jpegtran -optimize -restart 2 -progressive "$jpeg/colour_444.jpg" >"$jpeg/progressive_restart.jpg"
fi
if command -v cjpeg >/dev/null; then
  convert "${picture[@]}" ppm:- | cjpeg -rgb >"$jpeg/rgb_components.jpg"
fi
# A file cut inside its picture data.
head -c 300 "$jpeg/colour.jpg" >"$jpeg/truncated.jpg"

# PNG
convert "${picture[@]}" -depth 8 -define png:color-type=2 "${plain[@]}" "$png/rgb8.png"
convert "${picture[@]}" -depth 16 -define png:color-type=2 "${plain[@]}" "$png/rgb16.png"
convert "${picture[@]}" "${alpha[@]}" -depth 8 -define png:color-type=6 "${plain[@]}" "$png/rgba8.png"
convert "${picture[@]}" "${alpha[@]}" -depth 16 -define png:color-type=6 "${plain[@]}" "$png/rgba16.png"
convert "${picture[@]}" -colorspace Gray -depth 8 -define png:color-type=0 "${plain[@]}" "$png/grey8.png"
convert "${picture[@]}" -colorspace Gray -depth 16 -define png:color-type=0 "${plain[@]}" "$png/grey16.png"
for bits in 1 2 4; do
  convert "${picture[@]}" -colorspace Gray -depth "$bits" -define png:color-type=0 \
    -define png:bit-depth="$bits" "${plain[@]}" "$png/grey$bits.png"
done
convert "${picture[@]}" -colorspace Gray "${alpha[@]}" -depth 8 -define png:color-type=4 "${plain[@]}" "$png/grey_alpha8.png"
convert "${picture[@]}" -colorspace Gray "${alpha[@]}" -depth 16 -define png:color-type=4 "${plain[@]}" "$png/grey_alpha16.png"
convert "${picture[@]}" -depth 8 "${plain[@]}" PNG8:"$png/palette8.png"
convert "${picture[@]}" -colors 4 -depth 8 -define png:bit-depth=2 "${plain[@]}" PNG8:"$png/palette2.png"
convert "${picture[@]}" "${alpha[@]}" -depth 8 "${plain[@]}" PNG8:"$png/palette_trns.png"
convert "${picture[@]}" -fill black -draw 'point 3,3' -transparent black -depth 8 \
  -define png:color-type=2 "${plain[@]}" "$png/rgb_trns.png"
convert "${picture[@]}" "${alpha[@]}" -depth 8 -define png:color-type=6 -background '#ff8000' \
  -strip -define png:include-chunk=bKGD,gAMA "$png/rgba_bkgd.png"
convert "${picture[@]}" -colorspace Gray "${alpha[@]}" -depth 8 -define png:color-type=4 \
  -background '#808080' -strip -define png:exclude-chunk=date,tIME,tEXt,zTXt "$png/grey_alpha_bkgd.png"
convert "${picture[@]}" "${alpha[@]}" -depth 8 -define png:color-type=6 -interlace PNG "${plain[@]}" "$png/interlaced.png"
convert "${picture[@]}" -depth 8 -define png:color-type=2 -set gamma 1.0 -define png:include-chunk=gAMA \
  -strip "$png/gamma_linear.png"
head -c 200 "$png/rgb8.png" >"$png/truncated.png"

ls -l "$jpeg" "$png"
