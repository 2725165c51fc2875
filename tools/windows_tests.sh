#!/usr/bin/env bash
# Runs the Windows test program of BUILD_DIR (default build-win) under Wine, after the build.
# Usage: tools/windows_tests.sh [BUILD_DIR [GoogleTest options]]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-win}
shift || true
export WINE_BUILD_DIR="$PWD/$build_dir"
tools/wine.sh "$build_dir/check_html_tests.exe" --gtest_brief=1 "$@"
