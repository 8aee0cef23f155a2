#!/usr/bin/env bash
# ziffrano-cli's help and its one form of usage errors.
set -uo pipefail
cli=$1
gen=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
"$gen" "$home/ZahlenSN.dat" 3 7 >/dev/null
fail() { echo "FAIL: $*" >&2; exit 1; }

# help: "ARGS|words it must mention"
helps=(
    "--help|--home --settings --set --today --answer draws settings chart evaluate search-db step calc"
    "-h|--home calc"
    "draws --help|draws"
    "settings --help|settings"
    "chart --help|NAME numbers cross-sums tips --date"
    "evaluate --help|--date"
    "search-db --help|--date --min"
    "step --help|DIRECTION next prev --date --count"
    "calc --help|--date --seed --lock --show-list --save"
    "backtest --help|--from --seed --only-after-win"
    "repeats --help|--from --min"
)
for h in "${helps[@]}"; do
    read -ra args <<<"${h%%|*}"
    out=$("$cli" "${args[@]}" 2>&1)
    rc=$?
    [[ $rc == 0 ]] || fail "${args[*]} exits with $rc"
    for word in ${h#*|}; do
        grep -qF -- "$word" <<<"$out" || fail "${args[*]} does not mention $word: $out"
    done
done

# usage errors: "ARGS|what the message names"
errors=(
    "--frob draws|--frob"
    "calc --frob|--frob"
    "calc --seed|--seed"
    "--home|--home"
    "frobnicate|frobnicate"
    "|subcommand"
    "chart|NAME"
    "chart nonsense|nonsense"
    "step sideways|sideways"
    "draws extra|extra"
    "--answer maybe draws|--answer"
    "--set NoEquals draws|--set"
    "--today 31.02.2024 draws|31.02.2024"
)
for e in "${errors[@]}"; do
    read -ra args <<<"${e%%|*}"
    out=$("$cli" --home "$home" "${args[@]}" 2>"$home/err")
    rc=$?
    [[ $rc == 2 ]] || fail "${args[*]} exits with $rc"
    [[ -z $out ]] || fail "${args[*]} printed on stdout: $out"
    [[ $(sed -n 1p "$home/err") == "ziffrano-cli: "*"${e#*|}"* ]] || fail "${args[*]} error line: $(cat "$home/err")"
    [[ $(sed -n 2p "$home/err") == *--help* && $(wc -l <"$home/err") == 2 ]] ||
        fail "${args[*]} error hint: $(cat "$home/err")"
done

# global options may follow the command name
[[ $("$cli" draws --home "$home") == "$("$cli" --home "$home" draws)" ]] || fail "--home after the command"
"$cli" --home "$home" settings --set UpDown7=12 | grep -qx 'UpDown7=12' || fail "--set after the command"
"$cli" --home "$home" step --set UpDown7=12 next >/dev/null || fail "--set takes one value, not the command's argument"
echo ok
