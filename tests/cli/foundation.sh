#!/usr/bin/env bash
# ziffrano-cli draws and settings, as scripts use them.
set -euo pipefail
cli=$1 gen=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# no draw file yet: nothing listed
[ -z "$("$cli" --home "$home" draws)" ] || fail "draws without a file printed something"

"$gen" "$home/ZahlenSN.dat" 3 7
out=$("$cli" --home "$home" draws)
[ "$(echo "$out" | wc -l)" -eq 3 ] || fail "expected 3 draws: $out"
echo "$out" | head -1 | grep -Eq '^06\.11\.2023( [0-9]+){6} 0 [1-5] [0-9]+ [0-9]{6}$' || fail "draw line format: $out"
echo "$out" | sed -n 2p | grep -q '^09\.11\.2023 ' || fail "second draw date: $out"

# settings: save order, defaults, --set of every kind
out=$("$cli" --home "$home" --set Chekcbox1=1 --set UpDown7=12 --set Edit1=07 --set DateTimePicker2=01.02.2024 settings)
[ "$(echo "$out" | head -1)" = "Papierformat=0" ] || fail "first saved value"
[ "$(echo "$out" | tail -1)" = "ScheinBild=Romande" ] || fail "last saved value"
echo "$out" | grep -qx 'Chekcbox1=1' || fail "flag"
echo "$out" | grep -qx 'UpDown7=12' || fail "integer"
echo "$out" | grep -qx 'Edit1=7' || fail "tip cell runs its validation"
echo "$out" | grep -qx 'DateTimePicker2=01.02.2024' || fail "date"
echo "$out" | grep -qx 'ProxyPortEdit=80' || fail "port default"
[ "$(echo "$out" | wc -l)" -eq 173 ] || fail "save list length $(echo "$out" | wc -l)"

# an INI file holds the stored values
cat > "$home/s.ini" <<'INI'
[General]
Chekcbox16=0
Chekcbox17=0
UpDown4=3
Combobox2=4
INI
out=$("$cli" --home "$home" --settings "$home/s.ini" settings)
echo "$out" | grep -qx 'Chekcbox16=1' || fail "weekday rule ticks both flags"
echo "$out" | grep -qx 'UpDown4=3' || fail "stored integer"
echo "$out" | grep -qx 'Combobox2=4' || fail "stored dream number box"

# usage errors exit with 2
set +e
"$cli" --home "$home" --set Nonsense=1 settings 2>/dev/null; [ $? -eq 2 ] || fail "unknown --set name"
"$cli" --home "$home" frobnicate 2>/dev/null; [ $? -eq 2 ] || fail "unknown command"
"$cli" --home "$home" --today 31.02.2024 draws 2>/dev/null; [ $? -eq 2 ] || fail "bad date"
set -e
echo "foundation CLI: all checks passed"
