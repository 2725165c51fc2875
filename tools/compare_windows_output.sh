#!/usr/bin/env bash
# Runs the Linux program (build/) and the Windows program (build-win/, under Wine) over copies of
# the sample site in the same mode, hand-written (tex_html=0) and converter (tex_html=1), and
# compares every file the two runs left (reports, list pages, rewritten pages, backups) byte for
# byte. The logs must agree once the copies' own folders are named alike.
set -euo pipefail
cd "$(dirname "$0")/.."
work=build-win/compare
export WINE_BUILD_DIR="$PWD/build-win"
failed=0

# The log with its copy's folder, in every form the program writes it, replaced by "SITE".
normalised_log() {
  perl -pe 'BEGIN { ($root, $back) = splice(@ARGV, 1, 2) } s/(z:)?(\Q$root\E|\Q$back\E)/SITE/gi' \
    "$1" "$2" "${2//\//\\}"
}

for mode in 0 1; do
  rm -rf "$work/$mode"
  for system in linux windows; do
    mkdir -p "$work/$mode/$system"
    cp -r examples/site/. "$work/$mode/$system/"
  done
  args=(--batch --quiet --start ../start.html --out . --today 06.12.26 --set "tex_html=$mode")
  (cd "$work/$mode/linux/zq/html/check" && ../../../../../../../build/check_html "${args[@]}" \
    > ../../../../linux.log 2>&1)
  (cd "$work/$mode/windows/zq/html/check" && \
    ../../../../../../../tools/wine.sh ../../../../../../../build-win/check_html.exe "${args[@]}" \
    > ../../../../windows.log 2>&1)
  if diff -r "$work/$mode/linux" "$work/$mode/windows" > "$work/$mode/files.diff"; then
    echo "tex_html=$mode: $(find "$work/$mode/linux" -type f | wc -l) files the same on Linux and Windows"
  else
    echo "tex_html=$mode: the files differ:"; head -20 "$work/$mode/files.diff"; failed=1
  fi
  if diff <(normalised_log "$work/$mode/linux.log" "$PWD/$work/$mode/linux") \
          <(normalised_log "$work/$mode/windows.log" "$PWD/$work/$mode/windows") \
          > "$work/$mode/log.diff"; then
    echo "tex_html=$mode: $(wc -l < "$work/$mode/linux.log") log lines the same but for the folder"
  else
    echo "tex_html=$mode: the logs differ:"; head -20 "$work/$mode/log.diff"; failed=1
  fi
done
exit "$failed"
