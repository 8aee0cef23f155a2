#!/usr/bin/env bash
# Tip files, the listing, the cost, the slip marks and PDF, and ticket numbers.
set -euo pipefail
cli=$1
gen=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
"$gen" "$home/ZahlenSN.dat" 12 5 >/dev/null
cp -r "$(dirname "$cli")/land" "$home/"
run() { "$cli" --home "$home" --today 01.03.2024 "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
tip1=(--set Edit1=1 --set Edit2=6 --set Edit3=7 --set Edit4=40)

# tips save: 14 lines ended by CR LF; three tips leave eleven empty lines
run --set Edit1=3 --set Edit2=7 --set Edit3=12 --set Edit4=25 --set Edit5=31 --set Edit6=40 --set Combobox1=2 \
    --set Edit7=1 --set Edit8=2 --set Edit9=3 --set Edit10=4 --set Edit11=5 --set Edit12=6 \
    --set Edit13=9 tips save "$home/a.ztp"
expected=$(printf '3,7,12,25,31,40,2\r\n1,2,3,4,5,6,-\r\n9,,,,,,-\r\n'; for _ in $(seq 11); do printf ',,,,,,-\r\n'; done)
[ "$(cat "$home/a.ztp")" = "$expected" ] || fail "saved tip file: $(cat -A "$home/a.ztp")"

# tips load: the odd line forms, then the rows as evaluate prints them
printf '1,2,3,4,5,6\r\n1,2,3,4,5,6,7,8\r\n1,2,3,4\n' >"$home/b.ztp"
out=$(run tips load "$home/b.ztp")
[ "$(grep -c '^row ' <<<"$out")" = 14 ] || fail "tips load rows: $out"
grep -q '^row 1: 1,2,3,4,5,6,- | ' <<<"$out" || fail "no dream number: $out"
grep -q '^row 2: 1,2,3,4,5,6,7,8 | ' <<<"$out" || fail "the rest is the dream box: $out"
grep -q '^row 3: 1,2,3,,,4,- | ' <<<"$out" || fail "short line: $out"
grep -q '^row 4: ,,,,,,- | ' <<<"$out" || fail "missing line: $out"
rc=0; err=$(run tips load "$home/missing.ztp" 2>&1 >/dev/null) || rc=$?
[ "$rc" = 1 ] && grep -q 'missing.ztp' <<<"$err" || fail "missing tip file: $rc $err"
rc=0; run tips copy "$home/a.ztp" >/dev/null 2>&1 || rc=$?
[ "$rc" = 2 ] || fail "tips takes save or load: $rc"

# listing: after the Thursday draw of 23.11.2023 the Monday; rows with an empty first cell are left out
out=$(run "${tip1[@]}" --set Edit5=12 --set Edit6=13 --set Combobox1=3 --set Edit25=5 --set Edit26=9 --set Edit27=11 \
    --set Edit28=20 --set Edit29=30 --set Edit30=33 listing --date 23.11.2023)
expected="Darnholms Ziffrano 6 aus 40 Tipp für Montag 27.11.23
~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~

 1. Tipp:  1    6    7   12   13   40  Plus: 3
 5. Tipp:  5    9   11   20   30   33  Plus: -"
[ "$out" = "$expected" ] || fail "listing: $out"
[ "$(tail -c +4 "$home/Tipp.txt" | tr -d '\r')" = "$expected" ] || fail "Tipp.txt: $(cat -A "$home/Tipp.txt")"
rc=0; err=$(run --set Edit1=3 --set Edit3=5 listing 2>&1 >/dev/null) || rc=$?
[ "$rc" = 1 ] && grep -q '1\. Tipp, 2\. Zahl' <<<"$err" || fail "listing of an incomplete tip: $rc $err"
[ "$(tail -c +4 "$home/Tipp.txt" | tr -d '\r')" = "$expected" ] || fail "a failed listing replaced Tipp.txt"

# cost: the Part's table
full=()
for row in 1 2 3 4 5 6 7 8 9 10 11 12 13 14; do full+=(--set "Combobox$row=1"); done
for e in 1 7 13 19 25 31 43 49 56 62 68 74 96 97; do full+=(--set "Edit$e=1"); done
[ "$(run "${full[@]}" cost --days MI,SA --joker 1,2,3)" = "cost: 82,00 €" ] || fail "full cost"
[ "$(run "${full[@]}" cost --days SA --joker 1,2,3)" = "cost: 41,00 €" ] || fail "one day"
[ "$(run "${full[@]}" cost --days none --joker 1,2,3)" = "cost: 0,00 €" ] || fail "no day"
[ "$(run cost --days MI)" = "cost: 0,00 €" ] || fail "empty sheet"
# 01.03.2024 is a Friday and 06.03.2024 a Wednesday: one day either way
[ "$(run "${tip1[@]}" cost)" = "cost: 1,50 €" ] || fail "Friday preset: one day"
[ "$("$cli" --home "$home" --today 06.03.2024 "${tip1[@]}" cost)" = "cost: 1,50 €" ] || fail "Wednesday preset"
[ "$(run "${tip1[@]}" --set Joker2=1 cost)" = "cost: 3,50 €" ] || fail "stored option box"
rc=0; run cost --joker 4 >/dev/null 2>&1 || rc=$?
[ "$rc" = 2 ] || fail "--joker 4: $rc"

# slip: the worked examples
out=$(run "${tip1[@]}" slip --type Romande --top 53 --left 32)
expected="mark number 1 1 32 53
mark number 1 2 97 53
mark number 1 3 32 69
mark number 1 4 71 149"
[ "$out" = "$expected" ] || fail "Romande example: $out"
four=(--set Edit1=2 --set Edit7=2 --set Edit13=2 --set Edit19=1 --set Combobox4=5)
out=$(run "${four[@]}" slip --type SwissLos --top 0 --left 0 --joker 1,2,3)
grep -qx 'mark number 4 1 105 186' <<<"$out" || fail "SwissLos slot 3: $out"
grep -qx 'mark dream 4 5 134 337' <<<"$out" || fail "SwissLos dream 5: $out"
[ "$(tail -3 <<<"$out")" = "mark option 1 0 185 400
mark option 2 0 380 400
mark option 3 0 572 400" ] || fail "option marks: $out"
[ "$(run "${tip1[@]}" slip | head -1)" = "mark number 1 1 32 53" ] || fail "stored shifts 53/32"
for bad in "--top 101" "--left -1" "--type Other" "--paper 4"; do
    rc=0; run slip $bad >/dev/null 2>&1 || rc=$?
    [ "$rc" = 2 ] || fail "slip $bad: $rc"
done
rc=0; err=$(run "${tip1[@]}" --set Combobox1=7,8 slip 2>&1 >/dev/null) || rc=$?
[ "$rc" = 1 ] && grep -q '1\. Tipp, Traumzahl' <<<"$err" || fail "a bad dream number: $rc $err"
run "${full[@]}" slip --test-picture --paper 2 --pdf "$home/s.pdf" >/dev/null
[ "$(head -c 5 "$home/s.pdf")" = "%PDF-" ] || fail "no PDF written"

# ticket numbers
read -r _ _ _ _ _ _ _ _ _ _ first <<<"$(run draws | head -1)"
[ "$(run ticket find "$first")" = "LosNr. wurde am 06.11.2023 als Joker gezogen" ] || fail "find row 1"
[ "$(run ticket find "$first" --row 3)" = "LosNr. wurde am 06.11.2023 aus Joker gezogen" ] || fail "find row 3"
stored=$(run draws | awk '{print $NF}')
for _ in $(seq 20); do
    n=$(run ticket new --row 2)
    [[ $n =~ ^[0-9]{6}$ ]] || fail "new number: $n"
    grep -qx "$n" <<<"$stored" && fail "new number $n was drawn"
done
absent=000000
while grep -qx "$absent" <<<"$stored"; do absent=$(printf '%06d' $((10#$absent + 1))); done
[ "$(run ticket find "$absent")" = "Losnummer noch nie als Joker Gewinnzahl gezogen" ] || fail "never drawn"
for bad in "find 12345" "find 1234567" "find 12a456" "new --row 4"; do
    rc=0; run ticket $bad >/dev/null 2>&1 || rc=$?
    [ "$rc" = 2 ] || fail "ticket $bad: $rc"
done
echo ok
