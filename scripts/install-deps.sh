#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, only those that are missing.
set -euo pipefail
pkgs=(g++ cmake ninja-build pkg-config clang-format qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-multimedia-dev
      qt6-translations-l10n libcpp-httplib-dev libcli11-dev libgtest-dev libbenchmark-dev fonts-liberation
      desktop-file-utils appstream help2man dpkg-dev file clang-14 libfuzzer-14-dev libclang-rt-14-dev)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
