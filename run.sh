#!/usr/bin/env bash
# Installs what is missing, builds, and starts Trimlet on the bundled samples/.
cd "$(dirname "$0")"
source tools/setup.sh
trimlet_install_packages "${TRIMLET_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(trimlet_jobs)"
if [ -x build/app/trimlet ]; then
  exec build/app/trimlet "$PWD/samples"
fi
echo "Built without the window program (TRIMLET_GUI=OFF); showing what the batch would do on samples/:"
exec build/cli/trimlet-batch --dry-run samples
