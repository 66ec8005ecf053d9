# Sourced by run.sh and test.sh: installs the Debian packages that are
# missing (non-interactively, through sudo when not root) and defines build().
set -euo pipefail

TRIMLET_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev libpng-dev zlib1g-dev
  libexiv2-dev libturbojpeg0-dev
  googletest libgtest-dev
  libcli11-dev
  imagemagick libjpeg-turbo-progs
  xvfb xauth
)

# Only the benchmarks compare with these; bench scripts install them.
TRIMLET_BENCH_PACKAGES=(libvips-tools)

trimlet_install_packages() {
  local missing=()
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

trimlet_jobs() {
  nproc 2>/dev/null || echo 2
}
