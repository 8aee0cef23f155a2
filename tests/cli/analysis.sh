#!/usr/bin/env bash
# ziffrano-cli backtest and repeats: the historical analyses and their reports.
set -euo pipefail
cli=$1
gen=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -r "$(dirname "$cli")/land" "$home/"
"$gen" "$home/ZahlenSN.dat" 60 7
cd "$home" # Test.txt goes into the working directory

fail() { echo "FAIL: $*" >&2; exit 1; }
run() { "$cli" --home "$home" --today 01.01.2034 "$@"; }
last=$(run draws | tail -1 | cut -d' ' -f1)
before=$(run draws | tail -2 | head -1 | cut -d' ' -f1)
start=$(run draws | tail -8 | head -1 | cut -d' ' -f1)

out=$(run backtest --from "$start" --seed 42) || fail "backtest exits with $?"
[[ $(wc -l <<<"$out") -eq 23 ]] || fail "not 23 lines: $out"
grep -qx 'Parameter-Analyse: Richtige der berechneten Tipps' <<<"$out" || fail "title: $out"
[[ $(grep -cP '^[0-6]x\t=>\t[0-9]+\t=>\t[0-9]+$' <<<"$out") -eq 7 ]] || fail "match lines: $out"
[[ $(grep -cP '^[0-5]x \+ ZZ\t=>\t[0-9]+\t=>\t[0-9]+$' <<<"$out") -eq 6 ]] || fail "spare-slot lines: $out"
grep -qx '8 Ziehungen' <<<"$out" || fail "passes: $out"
[[ $(grep -cE '^control: [0-6] program [0-9]+ random [0-9]+ expected [0-9]+,[0-9]{2} low -?[0-9]+,[0-9]{2} high -?[0-9]+,[0-9]{2}$' <<<"$out") -eq 7 ]] ||
    fail "control lines: $out"
[[ $(sed 's/\r$//' Test.txt) == "$out" && $(grep -c $'\r$' Test.txt) -eq 23 ]] || fail "Test.txt: $(cat -A Test.txt)"
[[ $(run backtest --from "$start" --seed 42) == "$out" ]] || fail "the same seed gives another report"
run backtest --from "$before" --seed 42 | grep -qx '2 Ziehungen' || fail "second-to-last draw: not two passes"
run backtest --from "$start" --seed 42 --only-after-win | grep -qx '8 Ziehungen' || fail "--only-after-win"

out=$(run repeats --from "$start" --min 7) || fail "repeats exits with $?"
[[ $(grep -cE '^T[0-3] [0-6]: [0-9]+$' <<<"$out") -eq 28 && $(wc -l <<<"$out") -eq 28 ]] || fail "tables: $out"
head -c 6 Test.rtf | grep -q '{\\rtf1' || fail "Test.rtf: $(head -c 80 Test.rtf)"
# T1 counts one per analysed draw but the last
[[ $(grep '^T1 ' <<<"$out" | awk '{s += $3} END {print s}') -eq 7 ]] || fail "T1 total: $out"
rm Test.rtf
out=$(run repeats --from "$start" --min 0 --answer no 2>/dev/null) || fail "answered No exits with $?"
[[ -z $out && ! -e Test.rtf ]] || fail "answered No still reported: $out"
[[ $(run repeats --from "$last") == *"T0 0: 0"* ]] || fail "from the last draw"

for bad in "backtest --from $start --seed abc" "backtest --seed 1" "repeats --from $start --min x" "repeats"; do
    set +e
    "$cli" --home "$home" $bad >/dev/null 2>&1
    rc=$?
    set -e
    [[ $rc == 2 ]] || fail "$bad exits with $rc"
done
echo ok
