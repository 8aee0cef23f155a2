#!/usr/bin/env bash
# ziffrano-cli chart: every chart by name, its bars, axis and title.
set -euo pipefail
cli=$1
gen=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -r "$(dirname "$cli")/land" "$home/"
"$gen" "$home/ZahlenSN.dat" 1040 7

fail() { echo "FAIL: $*" >&2; exit 1; }
chart() { "$cli" --home "$home" --today 01.01.2034 "$@"; }

declare -A bars=([numbers]=40 [pairs]=39 [triples]=38 [quads]=40 [overdue]=40 [dream-overdue]=5
                 [dream]=5 [primes]=7 [odd]=7 [even]=7 [tips]=40)
for name in numbers pairs triples quads overdue dream-overdue dream cross-sums primes odd even tips; do
    out=$(chart chart "$name") || fail "$name exits with $?"
    [[ $(sed -n '$p' <<<"$out") == "title: "* ]] || fail "$name: no title line"
    [[ $(sed -n 'x;$p' <<<"$out") =~ ^axis:\ (fixed|auto)\ -?[0-9]+\ [0-9]+$ ]] || fail "$name: bad axis line"
    lines=$(grep -cE '^-?[0-9]+ [0-9]+ [0-9A-F]{6}$' <<<"$out" || true)
    [[ $lines -eq $(($(wc -l <<<"$out") - 2)) ]] || fail "$name: malformed bar lines"
    [[ -z ${bars[$name]:-} || $lines -eq ${bars[$name]} ]] || fail "$name: $lines bars, expected ${bars[$name]}"
done

# ten years of draws: six numbers each
out=$(chart chart numbers)
grep -q '^title: Häufigkeit der Zahlen     Ziehungen: 1040    Durchschnittliche Quersumme: ' <<<"$out" || fail "numbers title: $out"
[[ $(awk 'NF == 3 { s += $2 } END { print s }' <<<"$out") -eq 6240 ]] || fail "numbers do not add up to 6240"
grep -q '^2 [0-9]* FF0000$' <<<"$out" || fail "prime 2 not red"
grep -q '^4 [0-9]* 008000$' <<<"$out" || fail "4 not green"
grep -q '^axis: auto 0 ' < <(chart chart quads) || fail "quads axis not automatic from 0"

# --date ends the window: 09.11.2023 is the second draw; the first lies on the window start
grep -q 'Ziehungen: 2 ' < <(chart chart numbers --date 09.11.2023) || fail "closed window"
grep -q '^title: Ziehungen: 1 ' < <(chart chart pairs --date 09.11.2023) || fail "open window"

# the tip distribution reads the sheet
out=$("$cli" --home "$home" --set Edit1=5 --set Edit2=6 --set Edit3=7 --set Edit4=8 --set Edit5=20 --set Edit6=5 chart tips)
grep -qx '5 2 FF0000' <<<"$out" || fail "tips: $out"
grep -qx '6 1 008000' <<<"$out" || fail "tips: $out"
grep -qx 'axis: fixed 0 2' <<<"$out" || fail "tips axis: $out"

set +e
"$cli" --home "$home" chart nonsense >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "unknown chart is not a usage error"
"$cli" --home "$home" chart >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "missing name is not a usage error"
"$cli" --home "$home" chart numbers --date 01.01.2020 >/dev/null 2>&1; [[ $? -eq 2 ]] || fail "early date accepted"
echo ok
