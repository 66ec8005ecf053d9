#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs one of them.
#   fuzz/run.sh <reader> <seconds> [extra libFuzzer flags]
# <reader> is targa, bitmap, png, jpeg or size (the header reads against the
# readers). New findings land in
# fuzz/out/<reader>/ (crash-*, oom-*, timeout-*); copy a minimised one into
# fuzz/reproducers/<reader>/ once it is fixed, so the tests replay it.
set -euo pipefail
cd "$(dirname "$0")/.."
reader=${1:?reader: targa, bitmap, png, jpeg or size}
seconds=${2:-60}
shift 2 || true
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTRIMLET_FUZZ=ON -DTRIMLET_GUI=OFF -DTRIMLET_CLI=OFF -DTRIMLET_TESTS=OFF -DTRIMLET_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target "${reader}_fuzz"
mkdir -p "fuzz/out/$reader/corpus"
exec build-fuzz/fuzz/"${reader}_fuzz" -max_total_time="$seconds" -rss_limit_mb=4096 \
  -artifact_prefix="fuzz/out/$reader/" "$@" "fuzz/out/$reader/corpus" "fuzz/corpus/$reader"
