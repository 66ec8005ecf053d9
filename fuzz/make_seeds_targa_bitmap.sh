#!/usr/bin/env bash
# Makes the seed corpora of the Targa and bitmap fuzz targets: small files
# (a few hundred bytes to about 1.5 KB) in every type, depth and header the
# readers handle. ImageMagick makes the variants it writes; our own writers
# and hand-built files (seed_writer_targa_bitmap.cpp) make the rest.
#   fuzz/make_seeds_targa_bitmap.sh     (writes fuzz/corpus/targa, fuzz/corpus/bitmap)
set -euo pipefail
cd "$(dirname "$0")"
command -v convert >/dev/null || { echo "needs ImageMagick's convert" >&2; exit 1; }
targa=corpus/targa
bitmap=corpus/bitmap
mkdir -p "$targa" "$bitmap"
rm -f "$targa"/*.tga "$bitmap"/*.bmp

# Our writers and the hand-built variants, compiled straight from the sources.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd .. && g++ -std=c++17 -O1 -I. fuzz/seed_writer_targa_bitmap.cpp \
   imagefile/targa_*.cpp imagefile/bitmap_*.cpp imagefile/whole_file.cpp \
   imagefile/atomic_file.cpp engine/image/checked_size.cpp engine/image/image_buffer.cpp \
   -o "$work/seed_writer")
"$work/seed_writer" "$targa" "$bitmap"

# A 9 x 5 picture: a gradient with a solid block (runs), and an alpha ramp.
picture=(-size 9x5 gradient:'#e01030-#20c0f0' -fill white -draw 'rectangle 1,1 5,2')
alpha=(-alpha set -channel A -fx '(i+j)/12' +channel)
few=(-colors 6)

# Targa: types 1, 2, 3 and 9, 10, 11 at 8, 24 and 32 bits.
convert "${picture[@]}" "${few[@]}" -type Palette -compress None "$targa/im_type1.tga"
convert "${picture[@]}" -type TrueColor -compress None "$targa/im_type2_24.tga"
convert "${picture[@]}" "${alpha[@]}" -type TrueColorAlpha -compress None "$targa/im_type2_32.tga"
convert "${picture[@]}" -type Grayscale -compress None "$targa/im_type3.tga"
convert "${picture[@]}" "${few[@]}" -type Palette -compress RLE "$targa/im_type9.tga"
convert "${picture[@]}" -type TrueColor -compress RLE "$targa/im_type10_24.tga"
convert "${picture[@]}" "${alpha[@]}" -type TrueColorAlpha -compress RLE "$targa/im_type10_32.tga"
convert "${picture[@]}" -type Grayscale -compress RLE "$targa/im_type11.tga"

# Bitmaps: 40-byte (bmp3), core (bmp2) and 124-byte (bmp) headers at 1, 4,
# 8, 16, 24 and 32 bits, and 8-bit run-length.
convert "${picture[@]}" -colors 2 -type Palette -compress None "bmp3:$bitmap/im_1bit.bmp"
convert "${picture[@]}" -colors 6 -type Palette -compress None "bmp3:$bitmap/im_4bit.bmp"
# (more than 16 colours, or ImageMagick writes 4 bits)
convert -size 20x2 xc:red -fx i/20 -type Palette -compress None "bmp3:$bitmap/im_8bit.bmp"
convert "${picture[@]}" -colors 20 -type Palette -compress RLE "bmp3:$bitmap/im_8bit_rle.bmp"
convert "${picture[@]}" -type TrueColor "bmp3:$bitmap/im_24bit.bmp"
convert "${picture[@]}" -colors 2 -type Palette "bmp2:$bitmap/im_core_1bit.bmp"
convert "${picture[@]}" -colors 6 -type Palette "bmp2:$bitmap/im_core_4bit.bmp"
convert "${picture[@]}" -type TrueColor "bmp2:$bitmap/im_core_24bit.bmp"
convert "${picture[@]}" -type TrueColor "bmp:$bitmap/im_v5_24bit.bmp"
convert "${picture[@]}" "${alpha[@]}" "bmp:$bitmap/im_v5_32bit.bmp"
convert "${picture[@]}" -alpha off -define bmp:subtype=RGB565 "bmp:$bitmap/im_v5_16bit_565.bmp"
convert "${picture[@]}" -colors 20 -type Palette -compress RLE "bmp:$bitmap/im_v5_8bit_rle.bmp"

ls -l "$targa" "$bitmap" | awk 'NR > 1 && $5 > 2048 { print "large seed: " $0; bad = 1 } END { exit bad }'
echo "seeds: $(ls "$targa" | wc -l) Targa, $(ls "$bitmap" | wc -l) bitmap"
