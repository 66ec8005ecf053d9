#!/usr/bin/env bash
# The batch against plain decoding and encoding, and against ImageMagick.
#   bench/batch_bench.sh [build-folder]
# Makes 12 scanned-looking 4000 x 3000 JPEGs (a white page, a tilted picture,
# 300 black dust specks), then measures in one run the CPU time (user +
# system) and peak memory of:
#   - libjpeg-turbo decoding and encoding alone (djpeg | cjpeg -quality 75)
#   - trimlet-batch, auto crop, tolerance 20, filter 3, threshold 6, JPEG 75,
#     with --jobs 1 and --jobs 2
#   - ImageMagick: convert -fuzz 20% -trim +repage -quality 75
#   - trimlet-batch --lossless (the same boxes cut from the JPEG files
#     without encoding them again, left and top moved to the block grid)
#   - trimlet-batch --straighten (each picture measured, turned upright and
#     cut tight)
# and prints the figures, the ratios and the crop sizes (the specks lie far
# outside the picture, so a crop that ignores them is the picture's size).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
batch="$build/cli/trimlet-batch"
[ -x "$batch" ] || { echo "build trimlet-batch first ($batch)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src" "$work/cfg"

echo "Making 12 pages of 4000 x 3000 ..."
convert -size 2400x1600 gradient:'#4a78b0'-'#e8d8a0' \
  -fill '#2f6a3a' -draw 'polygon 0,1600 800,900 1600,1300 2400,700 2400,1600' \
  -fill '#fff0c0' -draw 'circle 1800,400 1950,400' "$work/picture.png"
for i in $(seq 1 12); do
  RANDOM=$((i * 7919))
  draw=""
  for ((k = 0; k < 300; k++)); do
    draw+="point $((RANDOM % 4000)),$((RANDOM % 3000)) "
  done
  angle=$(( (i % 5) - 2 )).$(( i % 10 ))
  convert -size 4000x3000 xc:white \( "$work/picture.png" -background white -rotate "$angle" \) \
    -geometry +$((600 + i * 20))+$((500 + i * 10)) -composite -fill black -draw "$draw" \
    -quality 90 "$work/src/page$(printf %02d "$i").jpg"
done

measure() {  # measure <label> <command...>: prints CPU seconds and peak KiB
  local label=$1
  shift
  /usr/bin/time -f "%U %S %M" -o "$work/time.txt" "$@" >/dev/null 2>"$work/err.txt" || {
    cat "$work/err.txt"; exit 1; }
  read -r user sys peak <"$work/time.txt"
  local cpu
  cpu=$(awk "BEGIN { print $user + $sys }")
  printf '%-34s %8.2f s CPU  %8.1f MiB peak\n' "$label" "$cpu" "$(awk "BEGIN { print $peak / 1024 }")"
  echo "$cpu" >"$work/$label.cpu"
}

codec() {
  for f in "$work"/src/*.jpg; do
    djpeg "$f" | cjpeg -quality 75 >"$work/codec.jpg"
  done
}
export -f codec
export work

settings=(--set "Auto Crop Info/Tolerance=20" --set "Noise Filtering/Filter Size=3"
          --set "Noise Filtering/Noise Threshold=6" --set "Image Option/Output Format=0"
          --set "Image Option/Jpeg quality=75" --set "Manual Crop Info/Cropping Mode=0"
          --set "Crop Edge Info/Edge Check=0" --set "Fixed Size Info/Fixed Size=0")
export XDG_CONFIG_HOME="$work/cfg"

echo
measure codec bash -c codec
measure trimlet-jobs1 "$batch" "${settings[@]}" --jobs 1 --overwrite all "$work/src" "$work/out1"
measure trimlet-jobs2 "$batch" "${settings[@]}" --jobs 2 --overwrite all "$work/src" "$work/out2"
mkdir -p "$work/im"
im() {
  for f in "$work"/src/*.jpg; do
    convert "$f" -fuzz 20% -trim +repage -quality 75 "$work/im/$(basename "$f")"
  done
}
export -f im
measure imagemagick bash -c im
measure trimlet-lossless "$batch" "${settings[@]}" --lossless --overwrite all "$work/src" \
  "$work/lossless"
measure trimlet-straighten "$batch" "${settings[@]}" --straighten --overwrite all "$work/src" \
  "$work/straight"

codec=$(cat "$work/codec.cpu")
one=$(cat "$work/trimlet-jobs1.cpu")
magick=$(cat "$work/imagemagick.cpu")
echo
printf 'trimlet (1 job) / decode+encode:  %.2f  (target at most 1.5)\n' "$(awk "BEGIN { print $one / $codec }")"
printf 'ImageMagick / trimlet (1 job):    %.2f  (target at least 4)\n' "$(awk "BEGIN { print $magick / $one }")"
lossless=$(cat "$work/trimlet-lossless.cpu")
straight=$(cat "$work/trimlet-straighten.cpu")
printf 'lossless cut / trimlet (1 job):   %.2f\n' "$(awk "BEGIN { print $lossless / $one }")"
printf 'straighten / trimlet (1 job):     %.2f\n' "$(awk "BEGIN { print $straight / $one }")"
printf 'bytes written: re-encoded %s, lossless %s\n' "$(cat "$work"/out1/*.jpg | wc -c)" \
  "$(cat "$work"/lossless/*.jpg | wc -c)"
cmp -s <(cd "$work/out1" && cat ./*.jpg) <(cd "$work/out2" && cat ./*.jpg) &&
  echo "jobs 1 and jobs 2 wrote identical files" || echo "jobs 1 and jobs 2 DIFFER"
echo
echo "Crop sizes (the picture is about 2400 x 1600 plus its tilt; the page is 4000 x 3000):"
for f in "$work"/out1/*.jpg; do
  n=$(basename "$f")
  printf '  %s  trimlet %s   lossless %s   straightened %s   ImageMagick %s\n' "$n" \
    "$(identify -format '%wx%h' "$f")" "$(identify -format '%wx%h' "$work/lossless/$n")" \
    "$(identify -format '%wx%h' "$work/straight/$n")" "$(identify -format '%wx%h' "$work/im/$n")"
done
