#!/usr/bin/env bash
# ziffrano-cli update against ziffrano-cli serve on a free loopback port.
set -euo pipefail
cli=$1 gen=$2
work=$(mktemp -d)
server_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir -p "$work/srv" "$work/home"
cp -r "$(dirname "$cli")/land" "$work/home/"

# 30 draws from 06.11.2023 to 15.02.2024
"$gen" "$work/srv/ZahlenSN.dat" 30 4
"$cli" serve --port 0 --draws "$work/srv/ZahlenSN.dat" >"$work/serve.log" 2>&1 &
server_pid=$!
for _ in $(seq 50); do grep -q '^listening on' "$work/serve.log" && break; sleep 0.1; done
port=$(sed -n 's|^listening on http://127.0.0.1:\([0-9]*\)$|\1|p' "$work/serve.log")
[ -n "$port" ] || fail "server did not start: $(cat "$work/serve.log")"
run() { "$cli" --home "$work/home" --today 01.03.2024 "$@"; }
numbers() { "$cli" --home "$1" draws | cut -d' ' -f1-9; }

# an empty history fills up to today
out=$(run update --server "http://127.0.0.1:$port")
[ "$(grep -c ' 200 appended 1$' <<<"$out")" = 30 ] || fail "30 draws appended: $out"
[ "$(head -1 <<<"$out")" = "06.11.2023 200 appended 1" ] || fail "first request: $out"
grep -qx '29.02.2024 500 29.02.2024 noch nicht da!' <<<"$out" || fail "a date not there yet: $out"
[ "$(grep -c '^draw: ' <<<"$out")" = 1 ] || fail "one draw line: $out"
last=$("$cli" --home "$work/srv" evaluate --date 15.02.2024 | head -1)
[ "$(tail -1 <<<"$out")" = "$last" ] || fail "draw line shows the latest draw: $out / $last"
[ "$(numbers "$work/home")" = "$(numbers "$work/srv")" ] || fail "history differs from the server's"

# again: nothing new, only the dates still to come
out=$(run update --server "http://127.0.0.1:$port")
[ "$(grep -c ' 500 ' <<<"$out")" = 4 ] || fail "four dates still to come: $out"
[ "$(grep -c ' 200 ' <<<"$out")" = 0 ] || fail "nothing new: $out"

# the server re-reads its file: the next draw arrives
"$gen" "$work/srv/ZahlenSN.dat" 31 4
out=$(run update --server "http://127.0.0.1:$port")
grep -qx '19.02.2024 200 appended 1' <<<"$out" || fail "changed server file: $out"
[ "$(numbers "$work/home")" = "$(numbers "$work/srv")" ] || fail "history after the second update"

# no server on the port: exit 1, the message on stderr, the draw line still printed
kill "$server_pid"
wait "$server_pid" || fail "serve ended with an error"
server_pid=
grep -qx 'stopped' "$work/serve.log" || fail "serve stops on SIGTERM"
[ "$(grep -c 'GET /zahlen/lotto_neu.asp?Programm=Somnara&Datum=' "$work/serve.log")" = 42 ] || fail "one log line per request"
set +e
out=$(run update --server "http://127.0.0.1:$port" 2>"$work/err"); rc=$?
set -e
[ $rc = 1 ] || fail "refused connection exits 1, got $rc"
grep -q '^Keine Antwort vom Update-Server 127.0.0.1' "$work/err" || fail "message: $(cat "$work/err")"
grep -q '^draw: ' <<<"$out" || fail "draw line after the failure"

# usage errors
set +e
run update --server "ftp://x" 2>/dev/null; [ $? = 2 ] || fail "bad --server"
run update --proxy "proxy.local" 2>/dev/null; [ $? = 2 ] || fail "--proxy without a port"
"$cli" serve --port 0 --draws "$work/none.dat" >/dev/null 2>&1; [ $? = 1 ] || fail "serve without a draw file"
"$cli" serve --draws "$work/srv/ZahlenSN.dat" >/dev/null 2>&1; [ $? = 2 ] || fail "serve without --port"
set -e
echo "update CLI: all checks passed"
