#!/usr/bin/env bash
# Builds the Debian package, installs it with apt and uses it as two ordinary
# users would: the CLI against the update server of the same package, then the
# window under Xvfb. Meant for a pristine Debian 12 as root:
#   ../shared/tools/fresh-debian-check 'bash scripts/package-check.sh'
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
apt-get install -y -qq --no-install-recommends xvfb xauth >/dev/null

cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-pkg -j "$(nproc)"
(cd build-pkg && cpack >/dev/null)
deb=$(ls build-pkg/ziffrano_*.deb)
echo "package: $deb, $(du -k "$deb" | cut -f1) KiB"
dpkg-deb -f "$deb" Depends Recommends
apt-get install -y -qq "./$deb" >/dev/null

# the server's history: four draws typed in
srv=$(mktemp -d)
for d in "06.11.2023 1 2 3 4 5 6 1" "09.11.2023 7 8 9 10 11 12 2" "13.11.2023 13 14 15 16 17 18 3" \
    "16.11.2023 19 20 21 22 23 24 4"; do
    ziffrano-cli --home "$srv" --today 16.11.2023 enter $d >/dev/null
done
chmod -R a+rX "$srv"
ziffrano-cli serve --port 8080 --draws "$srv/ZahlenSN.dat" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
sleep 1

# a fresh chroot's root folder may be private to root; users must reach /usr
chmod 755 /
for u in player1 player2; do id "$u" >/dev/null 2>&1 || useradd -m "$u"; done
as() { local u=$1; shift; setpriv --reuid="$u" --regid="$u" --init-groups env HOME="/home/$u" "$@"; }

echo "== player1: ziffrano-cli"
as player1 ziffrano-cli --today 20.11.2023 check || true
as player1 ziffrano-cli --today 20.11.2023 update --server http://127.0.0.1:8080
as player1 ziffrano-cli --today 20.11.2023 draws
data1=/home/player1/.local/share/Darnholm/Ziffrano
test "$(stat -c %s "$data1/ZahlenSN.dat")" -eq 96
test -f "$data1/land/meldungen.txt.de"

echo "== player2: the window"
as player2 timeout 20 xvfb-run -a ziffrano >/dev/null 2>&1 || true
data2=/home/player2/.local/share/Darnholm/Ziffrano
ls -la "$data2"
test "$(stat -c %s "$data2/ZahlenSN.dat")" -ge 96
test ! -e /usr/bin/ZahlenSN.dat
echo "package check: ok"
