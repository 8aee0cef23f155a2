#!/usr/bin/env bash
# Builds and starts Ziffrano. Without a display it runs the headless tool.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target ziffrano ziffrano-cli zf_data
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || [ "$(uname -s)" != "Linux" ]; then
    exec build/bin/ziffrano "$@"
fi
echo "No display found: running the headless tool instead (build/bin/ziffrano-cli)." >&2
exec build/bin/ziffrano-cli draws
