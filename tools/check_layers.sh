#!/usr/bin/env bash
# Fails when an include under src/ runs against the layers of the program. Each folder may
# include itself and the folders listed for it; everything else is a wrong include:
#
#   platform <- html <- run <- site <- rewrite <- lists      shell <- app, ui
#                                    <- maint                 (shell: the run's passes)
#                                    <- comm (the pipe, beside the passes; below app and ui)
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [platform]=""
  [html]="platform"
  [run]="platform html"
  [site]="platform html run"
  [rewrite]="platform html run site"
  [lists]="platform html run site rewrite"
  [maint]="platform html run site"
  [comm]="platform html run site"
  [shell]="platform html run site rewrite lists maint"
  [ui]="platform html run site rewrite lists maint comm shell"
  [app]="platform html run site rewrite lists maint comm shell ui"
)

wrong=0
while IFS=: read -r file line text; do
  layer=${file#src/}
  layer=${layer%%/*}
  target=$(sed -E 's/^[[:space:]]*#include "([a-z_]+)\/.*/\1/' <<< "$text")
  [ "$target" = "$layer" ] && continue
  if [ -z "${allowed[$layer]+known}" ]; then
    echo "$file:$line: folder src/$layer is not in the layer table" >&2
    wrong=1
  elif ! [[ " ${allowed[$layer]} " == *" $target "* ]]; then
    echo "$file:$line: $layer must not include $target/ (allowed: ${allowed[$layer]:-none})" >&2
    wrong=1
  fi
done < <(grep -rnE '^[[:space:]]*#include "[a-z_]+/' src)

if [ "$wrong" -ne 0 ]; then
  echo "check_layers: includes against the layers (see tools/check_layers.sh)" >&2
  exit 1
fi
echo "check_layers: every include follows the layers"
