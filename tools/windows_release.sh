#!/usr/bin/env bash
# The Windows release: builds check_html.exe (optimised, without debug information) and puts it
# with the README and the sample site into BUILD_DIR/check_html-win64.zip (default build-win).
# Usage: tools/windows_release.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-win}
tools/windows_build.sh "$build_dir"
stage="$build_dir/release/check_html-win64"
rm -rf "$build_dir/release"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/check_html.exe" "$build_dir/check_html.exe"
cp README.md "$stage/"
cp -r examples/site "$stage/site"
rm -f "$build_dir/check_html-win64.zip"
(cd "$build_dir/release" && cmake -E tar cf ../check_html-win64.zip --format=zip check_html-win64)
echo "Written: $build_dir/check_html-win64.zip"
