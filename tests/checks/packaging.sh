#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators, and an
# install lays out programs, data, icons and man page; the installed CLI, run
# by a user without a program folder of its own, seeds that user's data folder.
set -euo pipefail
src=$1 build=$2
desktop-file-validate "$src/packaging/example.darnholm.Ziffrano.desktop"
appstreamcli validate --no-net "$src/packaging/example.darnholm.Ziffrano.metainfo.xml"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >/dev/null
root=$tmp/root/usr
for f in bin/ziffrano bin/ziffrano-cli share/ziffrano/land/meldungen.txt.de share/ziffrano/yippee.wav \
    share/applications/example.darnholm.Ziffrano.desktop share/metainfo/example.darnholm.Ziffrano.metainfo.xml \
    share/icons/hicolor/48x48/apps/example.darnholm.Ziffrano.png \
    share/icons/hicolor/256x256/apps/example.darnholm.Ziffrano.png share/man/man1/ziffrano-cli.1.gz; do
    [ -e "$root/$f" ] || { echo "FAIL: $f not installed"; exit 1; }
done
zcat "$root/share/man/man1/ziffrano-cli.1.gz" | grep -q '^\.SH' || { echo "FAIL: man page"; exit 1; }

home=$tmp/home
mkdir -p "$home"
HOME=$home XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$root/bin/ziffrano-cli" --today 10.12.2026 draws
data=$home/.local/share/Darnholm/Ziffrano
[ -f "$data/land/meldungen.txt.de" ] || { echo "FAIL: the user's data folder was not seeded"; exit 1; }
[ -f "$data/.shipped" ] || { echo "FAIL: no list of shipped files"; exit 1; }
[ ! -e "$root/bin/ZahlenSN.dat" ] || { echo "FAIL: wrote into the program folder"; exit 1; }
echo "packaging: ok"
