#!/usr/bin/env bash
# Shared set-up of ./run and ./test: installs the Debian packages that are missing, then
# configures and builds the given build folder. Usage: tools/setup.sh BUILD_DIR [cmake options]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

install_missing g++ cmake ninja-build pkg-config libgtest-dev libbenchmark-dev qt6-base-dev \
  libjemalloc-dev libicu-dev nlohmann-json3-dev libcurl4-openssl-dev libdtl-dev imagemagick clang \
  libclang-rt-14-dev patch

build_dir=$1
shift
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
