#!/usr/bin/env bash
# ziffrano-cli enter, delete, import, export and check.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { "$cli" --home "$work" "$@"; }
expect_rc() { # RC COMMAND...
    local want=$1; shift
    set +e; "$@" >"$work/out" 2>"$work/err"; local rc=$?; set -e
    [ $rc = "$want" ] || fail "$* exited $rc, not $want: $(cat "$work/out" "$work/err")"
}

# enter works on an empty file, sorts, replaces its date, merges in date order
run enter 13.11.2023 33 3 25 11 40 17 2
run enter 06.11.2023 1 2 3 4 5 6 1 --replay 4 --ticket 123456
run enter 09.11.2023 7 8 9 10 11 12 3
run enter 13.11.2023 13 14 15 16 17 18 4
[ "$(run draws)" = "06.11.2023 1 2 3 4 5 6 0 1 4 123456
09.11.2023 7 8 9 10 11 12 0 3 0 000000
13.11.2023 13 14 15 16 17 18 0 4 0 000000" ] || fail "entered draws: $(run draws)"
# a correction keeps what is not given
run enter 06.11.2023 6 5 4 3 2 1 5
run draws | grep -qx '06.11.2023 1 2 3 4 5 6 0 5 4 123456' || fail "correction: $(run draws)"

# values outside the data model are refused and change nothing
before=$(run draws)
for bad in "41 2 3 4 5 6 1" "1 2 3 4 5 5 1" "1 2 3 4 5 6 6" "0 2 3 4 5 6 1"; do
    # shellcheck disable=SC2086
    expect_rc 1 run enter 16.11.2023 $bad
done
expect_rc 2 run enter 16.11.2023 1 2 3 4 5 x 1
expect_rc 2 run enter 16.11.2023 1 2 3 4 5 6
expect_rc 2 run enter 16.11.2023 1 2 3 4 5 6 1 --ticket 12345
expect_rc 2 run enter 31.02.2024 1 2 3 4 5 6 1
[ "$(run draws)" = "$before" ] || fail "refused entries changed the file"

# check: a hole, then none
run enter 20.11.2023 1 2 3 4 5 6 1
expect_rc 1 run check
[ "$(cat "$work/out")" = "missing: 16.11.2023" ] || fail "check: $(cat "$work/out")"
run enter 16.11.2023 1 2 3 4 5 6 1
expect_rc 0 run check
[ -z "$(cat "$work/out")" ] || fail "check found something"
run enter 22.11.2023 1 2 3 4 5 6 1
expect_rc 1 run check
grep -qx 'weekday: 22.11.2023' "$work/out" || fail "weekday: $(cat "$work/out")"

# delete removes every record of a date
run delete 22.11.2023
expect_rc 1 run delete 22.11.2023
grep -q '22.11.2023' "$work/err" || fail "delete of a missing date says so"

# export, then import of the export changes nothing
run export "$work/all.csv"
[ "$(head -1 "$work/all.csv")" = "Datum;Zahl1;Zahl2;Zahl3;Zahl4;Zahl5;Zahl6;Traumzahl" ] || fail "export header"
[ "$(wc -l <"$work/all.csv")" = 6 ] || fail "export rows: $(cat "$work/all.csv")"
expect_rc 0 run import "$work/all.csv"
[ "$(cat "$work/out")" = "added: 0
unchanged: 5
replaced: 0" ] || fail "import of the export: $(cat "$work/out")"

# good rows, a bad date, a number 41, a stored date again and a conflicting date
printf 'Nr,Datum,T,A,B,C,D,E,F\n1,2023-11-23,2,3,11,17,25,33,40\n2,2023-02-30,1,1,2,3,4,5,6\n3,2023-11-27,1,41,2,3,4,5,6\n4,2023-11-09,3,12,11,10,9,8,7\n5,2023-11-06,1,1,2,3,4,5,7\n' >"$work/in.csv"
expect_rc 1 run import "$work/in.csv" --columns 2,4,5,6,7,8,9,3
[ "$(cat "$work/out")" = "added: 1
unchanged: 1
replaced: 0
conflict: 06.11.2023 stored 1 2 3 4 5 6 D5 file 1 2 3 4 5 7 D1
rejected: 3 kein gültiges Datum: \"2023-02-30\"
rejected: 4 Die Zahl 41 liegt nicht zwischen 1 und 40." ] || fail "import summary: $(cat "$work/out")"
run draws | grep -q '^23.11.2023 3 11 17 25 33 40 0 2 ' || fail "imported draw"
expect_rc 1 run import "$work/in.csv" --columns 2,4,5,6,7,8,9,3 --replace
grep -qx 'replaced: 1' "$work/out" || fail "--replace: $(cat "$work/out")"
run draws | grep -qx '06.11.2023 1 2 3 4 5 7 0 1 4 123456' || fail "replaced keeps the ticket: $(run draws)"
expect_rc 2 run import "$work/in.csv" --columns 1,2,3
expect_rc 1 run import "$work/none.csv"
echo "maintenance CLI: all checks passed"
