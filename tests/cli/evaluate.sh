#!/usr/bin/env bash
# evaluate, search-db and step on a generated draw file.
set -euo pipefail
cli=$1
gen=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
"$gen" "$home/ZahlenSN.dat" 12 5 >/dev/null
run() { "$cli" --home "$home" --today 01.03.2024 "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

# The sixth draw (Thursday 23.11.2023) as tip 1, in reverse order.
read -r date n1 n2 n3 n4 n5 n6 _ dream _ <<<"$(run draws | sed -n 6p)"
[ "$date" = 23.11.2023 ] || fail "unexpected draw file: $date"
tip=(--set Edit1="$n6" --set Edit2="$n5" --set Edit3="$n4" --set Edit4="$n3" --set Edit5="$n2" --set Edit6="$n1"
     --set Combobox1="$dream")
sorted=$(printf '%s\n' "$n1" "$n2" "$n3" "$n4" "$n5" "$n6" | sort -n | paste -sd,)
sum=$((n1 + n2 + n3 + n4 + n5 + n6))

out=$(run "${tip[@]}" --set Edit7=1 --set Combobox2=1 evaluate --date 22.11.2023)
expected="draw: Do 23.11.23    $n1  $n2  $n3  $n4  $n5  $n6     DREAM:$dream
qs: QS: $sum
row 1: $sorted,$dream | match: 6 + D | sum: $sum | hits: GGGGGG"
[ "$(head -3 <<<"$out")" = "$expected" ] || fail "evaluate: $out"
grep -qx 'row 2: 1,,,,,,- | match:  | sum:  | hits: ......' <<<"$out" || fail "incomplete row 2: $out"
grep -qx 'row 14: ,,,,,,- | match:  | sum:  | hits: ......' <<<"$out" || fail "row 14: $out"
[ "$(grep -c '^row ' <<<"$out")" = 14 ] || fail "row count"
grep -qx 'best: 6' <<<"$out" || fail "best: $out"
grep -qx 'statistik: 0/0 0/0 0/0 0/0 0/0 0/0 1/0' <<<"$out" || fail "statistik: $out"

# Without --date: today is after the last draw, so the last draw is shown.
last=$(run draws | tail -1 | cut -d' ' -f1)
run evaluate | head -1 | grep -q " ${last:0:6}${last:8:2} " || fail "evaluate without date"

# The first record shows one blank more after the date.
run evaluate --date 06.11.2023 | head -1 | grep -q '^draw: Mo 06.11.23     [0-9]' || fail "first record form"

rc=0; run evaluate --date 05.11.2023 >/dev/null 2>&1 || rc=$?
[ "$rc" = 2 ] || fail "a date before the first draw must be refused: $rc"

# search-db stops where tip 1 was drawn; "no" ends it there.
out=$(run "${tip[@]}" search-db --min 6 --answer no 2>/dev/null)
[ "$(grep '^stop:' <<<"$out")" = "stop: 23.11.2023 row 1 matches 6" ] || fail "search stop: $out"
grep -qx "row 1: $sorted,$dream | match: 6 + D | sum: $sum | hits: GGGGGG" <<<"$out" || fail "search rows: $out"
out=$(run "${tip[@]}" search-db --min 6 2>/dev/null)
[ "$(grep -c '^stop:' <<<"$out")" = 1 ] || fail "search with yes: $out"
[ "$(grep -c '^row ' <<<"$out")" = 14 ] || fail "search row count"
run search-db --min x >/dev/null 2>&1 && fail "a minimum that is no number must fail"
err=$(run "${tip[@]}" --set Edit7=1 search-db 2>&1 >/dev/null) && fail "an incomplete tip must end the search"
grep -q '2\. Tipp' <<<"$err" || fail "the message names the row: $err"

# Stepping: three back from the sixth draw, and next at the end stays.
out=$(run step prev --date 23.11.2023 --count 3)
[ "$(head -1 <<<"$out" | cut -c7-17)" = "Mo 13.11.23" ] || fail "step prev: $out"
grep -q '^qs: QS: [0-9]*$' <<<"$out" || fail "step qs: $out"
[ "$(run step next --count 2 | head -1)" = "$(run evaluate | head -1)" ] || fail "step next at the end"
run step sideways >/dev/null 2>&1 && fail "step needs next or prev"
echo ok
