#!/usr/bin/env bash
# The core's layers look only down: ground < data < rules < session. No core
# file includes Qt, the window, the platform adapters or the command-line tool.
set -euo pipefail
cd "$1/src"
layers=(ground data rules session)
bad=0
for ((i = 0; i < ${#layers[@]}; i++)); do
    above=("${layers[@]:i+1}" gui platform cli)
    pattern="^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($(IFS='|'; echo "${above[*]}"))/"
    if grep -rnE "$pattern" "${layers[i]}"; then
        echo "FAIL: ${layers[i]} includes a layer above it" >&2
        bad=1
    fi
    if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "${layers[i]}"; then
        echo "FAIL: ${layers[i]} includes Qt" >&2
        bad=1
    fi
done
[[ $bad == 0 ]] && echo "layers look only down"
exit $bad
