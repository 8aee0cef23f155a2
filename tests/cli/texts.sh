#!/usr/bin/env bash
# ziffrano-cli texts: every language's catalogue and the check of its files.
set -uo pipefail
cli=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for code in de fr it en sp tr ru pl cz nl; do
    out=$("$cli" texts "$code" --check)
    rc=$?
    [[ $rc == 0 ]] || fail "$code check exits with $rc: $(grep problem <<<"$out")"
    [[ $(grep -c '^[0-9]*: ' <<<"$out") == 54 ]] || fail "$code: not 54 catalogue lines"
    [[ $(tail -1 <<<"$out") == "check $code: ok" ]] || fail "$code: last line $(tail -1 <<<"$out")"
done
[[ $("$cli" texts en | sed -n 25p) == "24: Tip" ]] || fail "English message 24"
[[ $("$cli" texts ru | sed -n 54p) == "53: 6 из 40" ]] || fail "Russian message 53"

# the program's own texts follow the stored language
cp -r "$(dirname "$cli")/land" "$home/"
printf 'Sprache=5\n' >"$home/s.ini"
[[ $("$cli" --home "$home" --settings "$home/s.ini" draws 2>&1) == "Сначала загрузите данные тиражей" ]] ||
    fail "Russian texts of the program"
rm "$home/land/texte.txt.ru"
[[ $("$cli" --home "$home" --settings "$home/s.ini" draws 2>&1) == "Lesen Sie zuerst die Daten der Ziehungen ein" ]] ||
    fail "a language without its texte file is not German"
rm -r "$home/land" "$home/s.ini"

# usage errors: the codes are those of the language files
for code in es cs xx; do
    "$cli" texts "$code" >/dev/null 2>&1
    [[ $? == 2 ]] || fail "texts $code is no usage error"
done

# damaged files are named, exit 1
cp -r "$(dirname "$cli")/land" "$home/"
sed -i '1s/.*/\r/' "$home/land/bezeichch.txt.en"
sed -i '$d' "$home/land/meldungen.txt.en"
out=$("$cli" --home "$home" texts en --check)
[[ $? == 1 ]] || fail "damaged English files pass"
grep -q '^problem: record 0 .* caption: empty$' <<<"$out" || fail "empty caption not named: $out"
grep -q '^problem: meldungen: 53 lines, German has 54$' <<<"$out" || fail "line count not named: $out"
[[ $("$cli" --home "$home" texts fr --check | tail -1) == "check fr: ok" ]] || fail "French spoiled"

# without the base file nothing is applied: the German texts built into the program stay
rm "$home/land/bezeichch.txt"
[[ $("$cli" --home "$home" texts en | head -1) == "0: Häufigkeit der Zahlen" ]] || fail "catalogue without base file"
out=$("$cli" --home "$home" texts en --check)
[[ $? == 1 ]] || fail "a missing base file passes the check"
grep -q 'bezeichch.txt: missing' <<<"$out" || fail "missing base file not named: $out"
echo ok
