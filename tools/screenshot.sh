#!/usr/bin/env bash
# Takes a screenshot of Trimlet on samples/: builds the window program if it
# is not built yet, starts it on a virtual X screen (Xvfb, 1280 x 1024) with a
# fresh settings folder, waits, and saves the whole screen to the PNG given.
#
#   tools/screenshot.sh OUTPUT.png [SECONDS]
#
# With TRIMLET_SHOT_FILE=NAME (a file of samples/, e.g. postcard.jpg) the fresh
# settings remember that file as the one selected last, so the picture shows
# with the list's selection and its preview.
#
# With TRIMLET_SHOT_SETTINGS=FILE the lines of FILE (INI sections and values
# as the settings store holds them, e.g. "[Auto Crop Info]" / "Tolerance=20")
# are added to the fresh settings, so the picture shows cropped.
#
# TRIMLET_BUILD_DIR chooses the build folder (default build/); TRIMLET_SHOT_SCREEN the
# virtual screen's size (default 1280x1024).
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: tools/screenshot.sh OUTPUT.png [SECONDS]" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
output="$(realpath -m "$1")"
wait_seconds="${2:-4}"
build="${TRIMLET_BUILD_DIR:-$root/build}"

if [ ! -x "$build/app/trimlet" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTRIMLET_GUI=ON
  cmake --build "$build" -j2 --target trimlet
fi

config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"
if [ -n "${TRIMLET_SHOT_FILE:-}" ]; then
  mkdir -p "$config/Local AppWizard-Generated Applications"
  printf '[Last%%20Selected%%20File]\nFile%%20Path=%s\n' "$root/samples/$TRIMLET_SHOT_FILE" \
    >"$config/Local AppWizard-Generated Applications/Kivo.conf"
fi
if [ -n "${TRIMLET_SHOT_SETTINGS:-}" ]; then
  mkdir -p "$config/Local AppWizard-Generated Applications"
  cat "$TRIMLET_SHOT_SETTINGS" >>"$config/Local AppWizard-Generated Applications/Kivo.conf"
fi
export TRIMLET_SHOT_PROGRAM="$build/app/trimlet"
export TRIMLET_SHOT_FOLDER="$root/samples"
export TRIMLET_SHOT_OUTPUT="$output"
export TRIMLET_SHOT_WAIT="$wait_seconds"
# Inside the virtual screen: start the program, wait, take the picture, and
# end the program started here (by its process id).
xvfb-run -a -s "-screen 0 ${TRIMLET_SHOT_SCREEN:-1280x1024}x24" bash -c '
  "$TRIMLET_SHOT_PROGRAM" "$TRIMLET_SHOT_FOLDER" &
  pid=$!
  sleep "$TRIMLET_SHOT_WAIT"
  import -window root "$TRIMLET_SHOT_OUTPUT"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
'
echo "screenshot saved to $output"
