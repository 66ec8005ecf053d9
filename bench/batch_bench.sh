#!/usr/bin/env bash
# The batch against plain decoding and encoding, ImageMagick and libvips.
#   bench/batch_bench.sh [build-folder] [runs]
# Makes two sets of 12 scanned-looking 4000 x 3000 JPEGs (a white page, a
# tilted picture, 300 black dust specks):
#   pages  the picture 2400 x 1600, about a third of the page;
#   large  the picture filling 50 to 80 % of the page.
# For each set it measures in one run, the best of `runs` (default 3) each,
# CPU seconds (user + system), wall seconds and peak memory of:
#   - libjpeg-turbo decoding and encoding alone (djpeg | cjpeg -quality 75),
#     the floor;
#   - trimlet-batch, auto crop, tolerance 20, filter 3, threshold 6, JPEG 75,
#     with --jobs 1 and --jobs 2;
#   - ImageMagick: convert -fuzz 20% -trim +repage -quality 75;
#   - libvips: vips find_trim (threshold 51 of 255, 20 %) and vips crop, Q 75;
#   - trimlet-batch --lossless and --straighten;
# then the ratios against their targets and every crop against the picture's
# own bounding box: a crop within a few pixels of it ignored the specks
# ("speck-proof"), a larger one took specks for picture.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-3}
batch="$build/cli/trimlet-batch"
[ -x "$batch" ] || { echo "build trimlet-batch first ($batch)"; exit 1; }
source tools/setup.sh
trimlet_install_packages "${TRIMLET_BENCH_PACKAGES[@]}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export work
export XDG_CONFIG_HOME="$work/cfg"

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')," \
  "$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)"
echo "Load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"

convert -size 2400x1600 gradient:'#4a78b0'-'#e8d8a0' \
  -fill '#2f6a3a' -draw 'polygon 0,1600 800,900 1600,1300 2400,700 2400,1600' \
  -fill '#fff0c0' -draw 'circle 1800,400 1950,400' "$work/picture.png"
# make_page <set> <index> <width> <height> <x> <y> <angle>: one page; the
# picture's bounding box after the turn goes to <set>/expected.
make_page() {
  local set=$1 i=$2 w=$3 h=$4 x=$5 y=$6 angle=$7
  local name
  name=page$(printf %02d "$i").jpg
  RANDOM=$((i * 7919))
  local draw=""
  for ((k = 0; k < 300; k++)); do
    local px=$((RANDOM % 4000)) py=$((RANDOM % 3000))
    draw+="point $px,$py "
  done
  convert "$work/picture.png" -resize "${w}x${h}!" -background white -rotate "$angle" \
    "$work/turned.png"
  local size
  size=$(identify -format '%wx%h' "$work/turned.png")
  convert -size 4000x3000 xc:white "$work/turned.png" -geometry "+$x+$y" -composite \
    -fill black -draw "$draw" -quality 90 "$work/$set/src/$name"
  echo "$name $size" >>"$work/$set/expected"
}

mkdir -p "$work/pages/src" "$work/large/src"
echo "Making 12 pages with a picture of 2400 x 1600 ..."
for i in $(seq 1 12); do
  make_page pages "$i" 2400 1600 $((600 + i * 20)) $((500 + i * 10)) "$(((i % 5) - 2)).$((i % 10))"
done
echo "Making 12 pages with a picture filling 50 to 80 % of the page ..."
for i in $(seq 1 12); do
  # Area share 50 % + (i - 1) * 30 / 11 %, aspect 4:3, tilt under 1.5 degrees.
  share=$(awk "BEGIN { print 0.5 + ($i - 1) * 0.3 / 11 }")
  w=$(awk "BEGIN { printf \"%d\", sqrt($share * 12000000 * 4 / 3) }")
  h=$(awk "BEGIN { printf \"%d\", $w * 3 / 4 }")
  make_page large "$i" "$w" "$h" $(((4000 - w) / 2 - 40 + i * 5)) $(((3000 - h) / 2 - 30 + i * 4)) \
    "$(((i % 3) - 1)).$((i % 5))"
done

measure() {  # measure <key> <label> <command...>: best of $runs by CPU
  local key=$1 label=$2
  shift 2
  local best=""
  for ((r = 0; r < runs; r++)); do
    /usr/bin/time -f "%U %S %e %M" -o "$work/time.txt" "$@" >/dev/null 2>"$work/err.txt" || {
      cat "$work/err.txt"; exit 1; }
    read -r user sys wall peak <"$work/time.txt"
    local cpu
    cpu=$(awk "BEGIN { print $user + $sys }")
    if [ -z "$best" ] || awk "BEGIN { exit !($cpu < $(cut -d' ' -f1 <<<"$best")) }"; then
      best="$cpu $sys $wall $peak"
    fi
  done
  read -r cpu sys wall peak <<<"$best"
  printf '  %-26s %7.2f s CPU (%4.2f system) %7.2f s wall %8.1f MiB peak\n' "$label" "$cpu" \
    "$sys" "$wall" "$(awk "BEGIN { print $peak / 1024 }")"
  echo "$best" >"$work/$key.fig"
}
fig() { cut -d' ' -f"$2" "$work/$1.fig"; }  # fig <key> <1 cpu|2 sys|3 wall|4 peak KiB>
ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }

codec() {
  for f in "$1"/*.jpg; do djpeg "$f" | cjpeg -quality 75 >"$work/codec.jpg"; done
}
im() {
  for f in "$1"/*.jpg; do
    convert "$f" -fuzz 20% -trim +repage -quality 75 "$2/$(basename "$f")"
  done
}
vipstrim() {
  for f in "$1"/*.jpg; do
    read -r l t w h < <(vips find_trim "$f" --threshold 51 --background 255 | tr '\n' ' ')
    vips crop "$f" "$2/$(basename "$f")[Q=75]" "$l" "$t" "$w" "$h"
  done
}
export -f codec im vipstrim

settings=(--set "Auto Crop Info/Tolerance=20" --set "Noise Filtering/Filter Size=3"
          --set "Noise Filtering/Noise Threshold=6" --set "Image Option/Output Format=0"
          --set "Image Option/Jpeg quality=75" --set "Manual Crop Info/Cropping Mode=0"
          --set "Crop Edge Info/Edge Check=0" --set "Fixed Size Info/Fixed Size=0")

# speck_proof <expected WxH> <got WxH>: within 8 pixels in both directions.
speck_proof() {
  awk -v e="$1" -v g="$2" 'BEGIN { split(e, a, "x"); split(g, b, "x");
    d1 = a[1] - b[1]; d2 = a[2] - b[2]; if (d1 < 0) d1 = -d1; if (d2 < 0) d2 = -d2;
    exit !(d1 <= 8 && d2 <= 8) }'
}

run_set() {
  local set=$1 src="$work/$1/src" out="$work/$1"
  echo
  echo "== Set '$set' (12 pages of 4000 x 3000), best of $runs =="
  measure "$set-codec" "djpeg | cjpeg -quality 75" bash -c "codec $src"
  measure "$set-jobs1" "trimlet-batch --jobs 1" "$batch" "${settings[@]}" --jobs 1 --overwrite all \
    "$src" "$out/jobs1"
  measure "$set-jobs2" "trimlet-batch --jobs 2" "$batch" "${settings[@]}" --jobs 2 --overwrite all \
    "$src" "$out/jobs2"
  mkdir -p "$out/im" "$out/vips"
  measure "$set-im" "ImageMagick -trim" bash -c "im $src $out/im"
  measure "$set-vips" "vips find_trim + crop" bash -c "vipstrim $src $out/vips"
  measure "$set-lossless" "trimlet-batch --lossless" "$batch" "${settings[@]}" --lossless \
    --overwrite all "$src" "$out/lossless"
  measure "$set-straight" "trimlet-batch --straighten" "$batch" "${settings[@]}" --straighten \
    --overwrite all "$src" "$out/straight"

  local codec one two
  codec=$(fig "$set-codec" 1)
  one=$(fig "$set-jobs1" 1)
  echo
  printf '  trimlet (1 job) CPU / decode+encode:      %s  (target at most 0.90)\n' "$(ratio "$one" "$codec")"
  printf '  system time / CPU time (1 job):           %s\n' "$(ratio "$(fig "$set-jobs1" 2)" "$one")"
  printf '  peak memory, 1 job:                       %.1f MiB (target at most 150)\n' \
    "$(awk "BEGIN { print $(fig "$set-jobs1" 4) / 1024 }")"
  printf '  throughput --jobs 2 / --jobs 1 (wall):    %s  (target at least 1.80)\n' \
    "$(ratio "$(fig "$set-jobs1" 3)" "$(fig "$set-jobs2" 3)")"
  printf '  ImageMagick CPU / trimlet (1 job):        %s\n' "$(ratio "$(fig "$set-im" 1)" "$one")"
  printf '  libvips CPU / trimlet (1 job):            %s\n' "$(ratio "$(fig "$set-vips" 1)" "$one")"
  printf '  lossless cut / trimlet (1 job):           %s\n' "$(ratio "$(fig "$set-lossless" 1)" "$one")"
  printf '  straighten / trimlet (1 job):             %s\n' "$(ratio "$(fig "$set-straight" 1)" "$one")"
  cmp -s <(cd "$out/jobs1" && cat ./*.jpg) <(cd "$out/jobs2" && cat ./*.jpg) &&
    echo "  jobs 1 and jobs 2 wrote identical files" || echo "  jobs 1 and jobs 2 DIFFER"
  echo
  echo "  Crops (picture's box after its tilt; * = speck-proof, within 8 pixels of it):"
  local proof_t=0 proof_l=0 proof_i=0 proof_v=0
  while read -r name expected; do
    local t l i v s
    t=$(identify -format '%wx%h' "$out/jobs1/$name")
    l=$(identify -format '%wx%h' "$out/lossless/$name")
    s=$(identify -format '%wx%h' "$out/straight/$name")
    i=$(identify -format '%wx%h' "$out/im/$name")
    v=$(identify -format '%wx%h' "$out/vips/$name")
    mark() { speck_proof "$expected" "$1" && printf '%s*' "$1" || printf '%s ' "$1"; }
    speck_proof "$expected" "$t" && proof_t=$((proof_t + 1))
    speck_proof "$expected" "$i" && proof_i=$((proof_i + 1))
    speck_proof "$expected" "$v" && proof_v=$((proof_v + 1))
    # The lossless cut's left and top move out to the 8- or 16-pixel grid.
    awk -v e="$expected" -v g="$l" 'BEGIN { split(e, a, "x"); split(g, b, "x");
      exit !(b[1] - a[1] >= -8 && b[1] - a[1] <= 24 && b[2] - a[2] >= -8 && b[2] - a[2] <= 24) }' &&
      proof_l=$((proof_l + 1))
    printf '    %s  picture %-10s trimlet %-11s lossless %-11s straightened %-11s ImageMagick %-11s vips %s\n' \
      "$name" "$expected" "$(mark "$t")" "$l" "$s" "$(mark "$i")" "$(mark "$v")"
  done <"$out/expected"
  echo "  speck-proof crops of 12: trimlet $proof_t, lossless $proof_l (block grid allowed)," \
    "ImageMagick $proof_i, libvips $proof_v"
}

run_set pages
run_set large
