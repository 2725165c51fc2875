#!/usr/bin/env bash
# The Windows build, cross-compiled here: installs the MinGW-w64 compiler (POSIX threads),
# GoogleTest's sources and Wine when they are missing, then configures and builds BUILD_DIR
# (default build-win). Usage: tools/windows_build.sh [BUILD_DIR [cmake options]]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

install_missing cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine64 \
  nlohmann-json3-dev libdtl-dev

build_dir=${1:-build-win}
shift || true
configured=$(cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake "$@")
grep 'check_html:' <<< "$configured" || true  # what the build leaves out
cmake --build "$build_dir" -j "$(nproc)"
