#!/usr/bin/env bash
# Installs what is missing, builds with optimisation, runs every test through
# CTest, then builds and runs the engine and file tests (and the fuzz
# replays) once more under AddressSanitizer and UndefinedBehaviorSanitizer.
cd "$(dirname "$0")"
source tools/setup.sh
trimlet_install_packages "${TRIMLET_PACKAGES[@]}"
jobs=$(trimlet_jobs)

start=$SECONDS
echo "== Release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTRIMLET_WERROR=ON
cmake --build build -j"$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Release build and tests took $((SECONDS - start)) s"

# The engine, the image files, the pipeline and the batch road once more under
# AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzz replays (no
# Qt code in this build).
start=$SECONDS
echo "== Sanitizer build and tests"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1" \
      -DTRIMLET_SANITIZE=ON -DTRIMLET_GUI=OFF -DTRIMLET_CLI=OFF -DTRIMLET_BENCH=OFF \
      -DTRIMLET_WERROR=ON
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
echo "== Sanitizer build and tests took $((SECONDS - start)) s"
echo "All tests passed."
