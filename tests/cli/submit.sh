#!/usr/bin/env bash
# submit: the filled click-script in Tipps/, its arguments, the stand-in
# automation program, the template refresh from serve and the missing program.
set -euo pipefail
cli=$1
gen=$2
bin=$(dirname "$cli")
home=$(mktemp -d)
server_pid=
trap '[ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# the automation program's own settings live under this folder, not the user's
export XDG_CONFIG_HOME=$home/config
mkdir -p "$home/Script" "$home/pilotara"
cp "$bin/Script/Beispiel.zks" "$home/Script/"
cp "$bin/zf_pilotara" "$home/pilotara/pilotara"
# no update server on port 1: the refresh finds none and keeps the template
run() { "$cli" --home "$home" --today 10.12.2025 --set ServerEdit=http://127.0.0.1:1 "$@"; }
tip1=(--set Edit1=3 --set Edit2=7 --set Edit3=12 --set Edit4=25 --set Edit5=31 --set Edit6=40 --set Combobox1=2)

# dry run: the script in a new Tipps folder, named after today; the six arguments
out=$(run "${tip1[@]}" submit --days MI,SA --joker 2 --dry-run --zahl1 4711 --text1 ich)
script=$home/Tipps/20251210.zks
expected="$script
START
$script
4711
ich
0"
[ "$out" = "$expected" ] || fail "dry run: $out"
grep -q '^TIPP 1 ZAHLEN 3 7 12 25 31 40 TRAUMZAHL 2' "$script" || fail "tip 1: $(head -20 "$script")"
grep -q '^TIPP 5 ZAHLEN \{7\}TRAUMZAHL -' "$script" || fail "empty tip 5"
grep -q '^ZIEHUNG BEIDE JA' "$script" || fail "both days"
grep -q '^ZUSATZSPIEL JOKER2 JA' "$script" && grep -q '^ZUSATZSPIEL JOKER1 NEIN' "$script" || fail "option boxes"
grep -q 'MELDUNG "Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben!"' "$script" || fail "message"
grep -q 'Übergeben' "$script" || fail "the template's own text"
! grep -q '\[[A-Z0-9_]*\]' "$script" || fail "a placeholder is left: $(grep '\[' "$script")"
[ ! -e "$home/pilotara/pilotara.args" ] || fail "a dry run started the program"

# a real start: each parameter reaches the stand-in as one argument, unchanged
tricky='a "quoted" $(touch '"$home"'/pwned) `id` ; echo x > y'
run "${tip1[@]}" submit --program "$home/pilotara/pilotara" --text2 "$tricky" --zahl2 "" >/dev/null
for _ in $(seq 50); do [ -e "$home/pilotara/pilotara.args" ] && break; sleep 0.1; done
expected="START
$script
0

0
$tricky"
[ "$(cat "$home/pilotara/pilotara.args")" = "$expected" ] || fail "arguments: $(cat -A "$home/pilotara/pilotara.args")"
[ ! -e "$home/pwned" ] || fail "a parameter ran through a shell"

# the stored settings: Path names the program's folder; empty, it is missing
mkdir -p "$XDG_CONFIG_HOME/Darnholm"
printf '[Settings]\nPath=%s\nSwissLottoScript=%s\nSwissLottoText1=gespeichert\n' "$home/pilotara" \
    "$home/Script/Beispiel.zks" >"$XDG_CONFIG_HOME/Darnholm/Pilotara.conf"
out=$(run submit --dry-run)
[ "$(sed -n 5p <<<"$out")" = gespeichert ] || fail "stored parameter: $out"
rm "$home/pilotara/pilotara.args"
run submit >/dev/null
for _ in $(seq 50); do [ -e "$home/pilotara/pilotara.args" ] && break; sleep 0.1; done
[ -e "$home/pilotara/pilotara.args" ] || fail "the stored program did not start"
grep -q gespeichert "$XDG_CONFIG_HOME/Darnholm/Pilotara.conf" || fail "the tool changed the stored settings"
rc=0; err=$(run --answer no submit --program "$home/fehlt" 2>&1 >/dev/null) || rc=$?
[ "$rc" = 1 ] && grep -q 'Darnholms Pilotara installieren?' <<<"$err" || fail "missing program: $rc $err"
rc=0; err=$(run submit --program "$home/fehlt" 2>&1 >/dev/null) || rc=$?
[ "$rc" = 1 ] && grep -q 'http://127.0.0.1:1/dateien/pilotarap.exe' <<<"$err" || fail "installer address: $rc $err"
rc=0; err=$(run submit --dry-run --template "$home/Script/fehlt.zks" 2>&1 >/dev/null) || rc=$?
[ "$rc" = 1 ] && grep -q 'fehlt.zks' <<<"$err" || fail "missing template: $rc $err"
rc=0; err=$(run submit --dry-run --text1 "$(head -c 1100 /dev/zero | tr '\0' x)" 2>&1 >/dev/null) || rc=$?
[ "$rc" = 1 ] && grep -q '1024 Zeichen' <<<"$err" || fail "too long: $rc $err"
rc=0; run submit --days DO >/dev/null 2>&1 || rc=$?
[ "$rc" = 2 ] || fail "bad --days: $rc"

# the template refresh from serve: a newer copy replaces the template
"$gen" "$home/ZahlenSN.dat" 3 >/dev/null
mkdir -p "$home/scripts"
printf 'NEU [Z1_1]\r\n' >"$home/scripts/Beispiel.zks.txt"
touch -d '2020-01-01' "$home/Script/Beispiel.zks"
"$cli" serve --port 0 --draws "$home/ZahlenSN.dat" --scripts "$home/scripts" >"$home/serve.log" &
server_pid=$!
for _ in $(seq 50); do grep -q listening "$home/serve.log" && break; sleep 0.1; done
address=$(sed -n 's/^listening on //p' "$home/serve.log")
"$cli" --home "$home" --today 10.12.2025 --set ServerEdit="$address" "${tip1[@]}" submit --dry-run >/dev/null
[ "$(cat "$script")" = "$(printf 'NEU 3\r')" ] || fail "refreshed template: $(cat -A "$script")"
[ "$(cat "$home/Script/Beispiel.zks")" = "$(printf 'NEU [Z1_1]\r')" ] || fail "template not replaced"
grep -q 'GET /scripts/Beispiel.zks.txt" 200' "$home/serve.log" || fail "request: $(cat "$home/serve.log")"
echo ok
