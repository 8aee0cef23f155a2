#!/usr/bin/env bash
# ziffrano-cli calc: the tip calculation as the button runs it.
set -euo pipefail
cli=$1
gen=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -r "$(dirname "$cli")/land" "$home/"
"$gen" "$home/ZahlenSN.dat" 1040 7

fail() { echo "FAIL: $*" >&2; exit 1; }
calc() { "$cli" --home "$home" --today 01.01.2034 "$@"; }

out=$(calc calc --seed 42 --show-list) || fail "calc exits with $?"
[[ $(grep -c '^row ' <<<"$out") -eq 14 ]] || fail "not 14 rows: $out"
[[ $(grep -cE '^row ([1-9]|1[0-4]): ([1-9]|[1-3][0-9]|40)(,([1-9]|[1-3][0-9]|40)){5},[1-5]$' <<<"$out") -eq 14 ]] ||
    fail "malformed rows: $out"
grep -qx 'status: Die Berechnung ist beendet.' <<<"$out" || fail "status: $out"
grep -qE '^runs: [0-9]+$' <<<"$out" || fail "runs: $out"
[[ $(sed -n 1p <<<"$out") =~ ^list:(\ ([1-9]|[1-3][0-9]|40))+$ ]] || fail "list line: $(sed -n 1p <<<"$out")"
[[ $(calc calc --seed 42 --show-list) == "$out" ]] || fail "the same seed gives other tips"
[[ $(calc calc --seed 43) != "$(grep -v '^list:' <<<"$out")" ]] || fail "another seed gives the same tips"

# only preferred numbers and no preference: nothing to draw from
if err=$(calc --set Chekcbox15=1 --set Chekcbox14=0 --set Chekcbox10=0 calc --seed 1 2>&1 >/dev/null); then
    fail "empty list succeeded"
fi
grep -q 'Zahlenliste' <<<"$err" || fail "empty list message: $err"

# six primes with two even numbers cannot be: 200 000 runs, most of them through the history tests
out=$(calc --set UpDown7=200 --set Chekcbox22=1 --set UpDown10=6 --set Chekcbox25=1 --set UpDown15=2 calc --seed 5)
grep -qx 'runs: 200000' <<<"$out" || fail "budget: $out"
grep -q '^status: Die maximale Zahl der Berechnungsläufe ist erreicht' <<<"$out" || fail "budget status: $out"

# locked rows keep their numbers; --save writes the sheet back
settings="$home/Somnara.ini"
out=$(calc --settings "$settings" --set Edit1=5 --set Edit2=9 --set Edit3=14 --set Edit4=22 --set Edit5=31 --set Edit6=38 \
    calc --seed 3 --lock 1 --date 04.12.2025 --save)
grep -qx 'row 1: 5,9,14,22,31,38,-' <<<"$out" || fail "locked row: $out"
grep -qx 'row 2: .*' <<<"$out" || fail "row 2: $out"
"$cli" --home "$home" --settings "$settings" settings | grep -qx 'Edit1=5' || fail "--save did not keep row 1"
row2=$(grep '^row 2: ' <<<"$out" | sed 's/^row 2: //; s/,[^,]*$//; s/,.*//')
"$cli" --home "$home" --settings "$settings" settings | grep -qx "Edit7=$row2" || fail "--save did not write row 2"

# a locked row without six numbers ends before anything changes
if err=$(calc --set Edit1=5 calc --lock 1 2>&1 >/dev/null); then
    fail "incomplete locked row succeeded"
fi
grep -q '1\. Tipp' <<<"$err" || fail "locked row message: $err"
exit 0
