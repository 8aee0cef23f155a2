#!/usr/bin/env bash
# ziffrano-cli on draw files of every odd kind, absent and read-only draw
# files, damaged records, a damaged old file, and the exit codes of option values.
set -uo pipefail
cli=$1
gen=$2
work=$(mktemp -d)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
expect_rc() { # RC HOME ARGS...
    local want=$1 home=$2; shift 2
    timeout 20 "$cli" --home "$home" --today 11.12.2025 "$@" >"$work/out" 2>"$work/err"
    local rc=$?
    [ $rc = "$want" ] || fail "$* in $home exited $rc, not $want: $(head -c 400 "$work/out" "$work/err")"
}
readers=("draws" "evaluate" "step next" "search-db --min 3" "calc --seed 1" "chart numbers" "chart cross-sums"
         "check" "ticket find 123456")

# every reader refuses what is no regular file, with its name, and never hangs
for kind in fifo zero folder loop huge; do
    home=$work/$kind
    mkdir -p "$home"
    case $kind in
    fifo) mkfifo "$home/ZahlenSN.dat" ;;
    zero) ln -s /dev/zero "$home/ZahlenSN.dat" ;;
    folder) mkdir "$home/ZahlenSN.dat" ;;
    loop) ln -s "$home/ZahlenSN.dat" "$home/ZahlenSN.dat" ;;
    huge) truncate -s 30000000 "$home/ZahlenSN.dat" ;;
    esac
    for r in "${readers[@]}"; do
        # shellcheck disable=SC2086
        expect_rc 1 "$home" $r
        grep -q "ZahlenSN.dat" "$work/err" || fail "$kind/$r does not name the file: $(cat "$work/err")"
    done
done

# an absent draw file is an empty history for every reader, said once, and nothing is created
home=$work/absent
mkdir -p "$home"
ln -s "$home/nowhere.dat" "$home/ZahlenSN.dat"
for r in "${readers[@]}"; do
    [ "$r" = "ticket find 123456" ] && continue # finding nothing is its failure
    # shellcheck disable=SC2086
    expect_rc 0 "$home" $r
    [ "$(grep -c "Lesen Sie zuerst" "$work/err")" = 1 ] || fail "absent/$r: $(cat "$work/err")"
done
[ -e "$home/nowhere.dat" ] && fail "a dangling link's target was created"

# the stepping count ends at the end of the history
home=$work/small
mkdir -p "$home"
"$gen" "$home/ZahlenSN.dat" 40 3
expect_rc 0 "$home" step next --count 2147483647 --date 06.11.2023
expect_rc 0 "$home" step prev --count 2147483647

# exit codes of option values
for bad in "search-db --min abc" "search-db --min -5" "search-db --min 99" "search-db --min 0" \
    "calc --date 01.01.2000" "calc --lock ''" "calc --lock 1,,2" "evaluate --date 31.02.2024" \
    "--today 01.01.0001 draws" "--today 05.11.2023 draws" "step next --count -1" "step next --count x"; do
    eval "expect_rc 2 \"$home\" $bad"
done
expect_rc 1 "$home" calc --seed 1 --lock 1 --set Edit1=5 --set Edit2=5 --set Edit3=5 --set Edit4=5 --set Edit5=5 \
    --set Edit6=5
grep -q "keine sechs Zahlen" "$work/err" || fail "six equal locked numbers: $(cat "$work/err")"

# damaged records are marked, left out of the charts and listed by the calendar check
home=$work/damaged
mkdir -p "$home"
"$gen" "$home/ZahlenSN.dat" 10 3
printf '\xff' | dd of="$home/ZahlenSN.dat" bs=1 seek=$((24 * 4 + 15)) conv=notrunc status=none # dream 255
printf '\xff\xff\xff\xff\xff\xff\xf8\x7f' | dd of="$home/ZahlenSN.dat" bs=1 seek=$((24 * 6)) conv=notrunc status=none
expect_rc 0 "$home" draws
[ "$(grep -c " damaged: " "$work/out")" = 2 ] || fail "damaged marks: $(cat "$work/out")"
grep -q " damaged: Traumzahl 255$" "$work/out" || fail "dream 255: $(cat "$work/out")"
expect_rc 0 "$home" chart dream
expect_rc 1 "$home" check # findings are its failure
[ "$(grep -c "^damaged: " "$work/out")" = 2 ] || fail "check: $(cat "$work/out")"

# a damaged old draw file costs its bad records, never the start
home=$work/old
mkdir -p "$home"
"$gen" "$work/old24.dat" 5 3
for i in 0 1 2 3 4; do dd if="$work/old24.dat" bs=1 skip=$((24 * i)) count=16 status=none; done >"$home/Zahlen.dat"
printf '\x00' | dd of="$home/Zahlen.dat" bs=1 seek=$((16 * 2 + 8)) conv=notrunc status=none # a number 0
expect_rc 0 "$home" settings
grep -q "nicht übernommen" "$work/err" || fail "no report of the skipped record: $(cat "$work/err")"
expect_rc 0 "$home" draws
[ "$(wc -l <"$work/out")" = 4 ] || fail "migrated: $(cat "$work/out")"
expect_rc 0 "$home" draws
grep -q "nicht übernommen" "$work/err" && fail "the skipped record was reported twice"

# a catalogue that is a folder leaves the built-in texts
home=$work/catalogue
mkdir -p "$home/land/meldungen.txt.de"
"$gen" "$home/ZahlenSN.dat" 40 3
expect_rc 0 "$home" chart numbers
grep -q "Häufigkeit" "$work/out" || fail "built-in catalogue: $(cat "$work/out")"

# a draw file the user may not write is read all the same, and a change is refused with a clear message
if [ "$(id -u)" = 0 ] && setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
    home=$work/readonly
    mkdir -p "$home"
    "$gen" "$home/ZahlenSN.dat" 40 3
    chmod 444 "$home/ZahlenSN.dat"
    chmod 777 "$home"
    as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups "$cli" --home "$home" --today 11.12.2025 "$@"; }
    as_user draws >"$work/out" 2>"$work/err" || fail "read-only draws: $(cat "$work/err")"
    [ "$(wc -l <"$work/out")" = 40 ] || fail "read-only draws: $(cat "$work/out")"
    as_user evaluate >/dev/null 2>"$work/err" || fail "read-only evaluate: $(cat "$work/err")"
    as_user enter 11.12.2025 1 2 3 4 5 6 1 >/dev/null 2>"$work/err" && fail "a read-only draw file was changed"
    grep -q "schreibgeschützt" "$work/err" || fail "read-only entry: $(cat "$work/err")"
    [ "$(stat -c %s "$home/ZahlenSN.dat")" = 960 ] || fail "the read-only draw file changed"
else
    echo "SKIP: the read-only case needs root and setpriv to run as another user"
fi
echo ok
