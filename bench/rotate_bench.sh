#!/usr/bin/env bash
# Turning, in one run:
#   - the in-process table of rotate_bench (a 4000 x 3000 image: quarter turn,
#     half turn, 10 degrees and others, one thread and two);
#   - end to end, a 10-degree turn of one 12-megapixel JPEG (decode, turn,
#     encode at quality 75) by rotate_bench against `vips rotate` with the
#     same quality, and libjpeg-turbo's decode and encode alone as the floor.
# Prints CPU seconds (user + system, all threads), wall seconds and peak
# memory, the best of five runs each, and the ratios.
#   bench/rotate_bench.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bench="$build/bench/rotate_bench"
[ -x "$bench" ] || { echo "build rotate_bench first ($bench)"; exit 1; }
source tools/setup.sh
trimlet_install_packages "${TRIMLET_BENCH_PACKAGES[@]}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "Load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
"$bench"
echo

echo "Making a 4000 x 3000 photograph-like JPEG ..."
convert -size 4000x3000 gradient:'#304870'-'#e0c890' \
  -fill '#2f6a3a' -draw 'polygon 0,3000 1300,1700 2600,2400 4000,1300 4000,3000' \
  -fill '#fff0c0' -draw 'circle 3000,700 3250,700' \
  -attenuate 0.4 +noise Gaussian -quality 90 "$work/photo.jpg"

measure() {  # measure <label> <command...>: best of five; prints CPU, wall, peak
  local label=$1
  shift
  local best_cpu=999999 best_wall=999999 best_peak=0
  for _ in 1 2 3 4 5; do
    /usr/bin/time -f "%U %S %e %M" -o "$work/time.txt" "$@" >/dev/null 2>"$work/err.txt" || {
      cat "$work/err.txt"; exit 1; }
    read -r user sys wall peak <"$work/time.txt"
    local cpu
    cpu=$(awk "BEGIN { print $user + $sys }")
    if awk "BEGIN { exit !($cpu < $best_cpu) }"; then best_cpu=$cpu; fi
    if awk "BEGIN { exit !($wall < $best_wall) }"; then best_wall=$wall; fi
    best_peak=$peak
  done
  printf '%-40s %6.2f s CPU %6.2f s wall %7.1f MiB peak\n' "$label" "$best_cpu" "$best_wall" \
    "$(awk "BEGIN { print $best_peak / 1024 }")"
  echo "$best_cpu" >"$work/$label.cpu"
}

codec() { djpeg "$work/photo.jpg" | cjpeg -quality 75 >"$work/codec.jpg"; }
export -f codec
export work

echo
echo "End to end, one 12-megapixel JPEG turned by 10 degrees, written at quality 75:"
measure decode+encode bash -c codec
measure trimlet "$bench" "$work/photo.jpg" "$work/trimlet.jpg" 10
measure vips vips rotate "$work/photo.jpg" "$work/vips.jpg[Q=75]" 10
VIPS_CONCURRENCY=1 measure vips-one-thread vips rotate "$work/photo.jpg" "$work/vips1.jpg[Q=75]" 10

trimlet=$(cat "$work/trimlet.cpu")
vips=$(cat "$work/vips.cpu")
printf '\ntrimlet / vips rotate (CPU):   %.2f  (target below 1)\n' "$(awk "BEGIN { print $trimlet / $vips }")"
printf 'trimlet / decode+encode (CPU): %.2f\n' \
  "$(awk "BEGIN { print $trimlet / $(cat "$work/decode+encode.cpu") }")"
echo "Sizes: trimlet $(identify -format '%wx%h' "$work/trimlet.jpg"), vips $(identify -format '%wx%h' "$work/vips.jpg")"
