#!/usr/bin/env bash
# Runs ziffrano-cli over a broad table of commands, options, dates and seeds on
# generated histories and compares stdout, stderr and exit codes with the
# recorded outputs. ZF_RECORD=1 writes the recording instead of comparing.
set -uo pipefail
cli=$1
gen=$2
expected="$(dirname "$0")/golden/expected.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkhome() { # NAME COUNT SEED
    mkdir -p "$work/$1"
    cp -r "$(dirname "$cli")/land" "$work/$1/"
    [[ $2 -gt 0 ]] && "$gen" "$work/$1/ZahlenSN.dat" "$2" "$3"
}
mkhome big 1040 7
mkhome small 40 3
mkhome empty 0 0

sheet=(--set Edit1=3 --set Edit2=11 --set Edit3=17 --set Edit4=25 --set Edit5=33 --set Edit6=40 --set Combobox1=2
       --set Edit7=1 --set Edit8=2 --set Edit9=3 --set Edit10=4 --set Edit11=5 --set Edit12=6)

cases=(
    "small|draws"
    "empty|draws"
    "small|settings"
    "small|evaluate"
    "small|evaluate --date 09.11.2023"
    "small|evaluate --date 01.01.2030"
    "big|evaluate --date 04.12.2025 ${sheet[*]}"
    "small|evaluate --date 01.01.2000"
    "small|step next --count 3 --date 09.11.2023"
    "small|step prev --count 5"
    "small|step next --count 2 --set Chekcbox28=0"
    "small|step sideways"
    "big|search-db --min 3 --answer yes ${sheet[*]}"
    "big|search-db --min 4 --answer no ${sheet[*]}"
    "small|search-db --min 2 --answer yes ${sheet[*]}"
    "big|calc --seed 1"
    "big|calc --seed 2 --show-list"
    "big|calc --seed 3 --date 04.12.2025 --show-list"
    "big|calc --seed 4 --set Chekcbox1=1 --set Chekcbox2=1 --set Chekcbox6=1 --set Chekcbox7=1 --show-list"
    "big|calc --seed 5 --set Chekcbox11=1 --set Chekcbox12=1 --set Chekcbox13=1 --show-list"
    "big|calc --seed 6 --set RadioGroup1=1 --set Chekcbox33=1"
    "big|calc --seed 7 --set RadioGroup1=2 --set Chekcbox33=1"
    "big|calc --seed 8 --set RadioGroup1=3 --set Chekcbox33=1"
    "big|calc --seed 9 --set Chekcbox33=0"
    "big|calc --seed 10 --set UpDown8=5"
    "big|calc --seed 11 --set Chekcbox8=1 --set Chekcbox22=1 --set UpDown10=3"
    "big|calc --seed 12 --set Chekcbox23=1 --set Chekcbox25=1 --set UpDown15=3 --set Chekcbox26=1 --set UpDown16=3"
    "big|calc --seed 13 --set UpDown7=60 --set Chekcbox22=1 --set UpDown10=6"
    "big|calc --seed 14 --set UpDown7=30 --set Chekcbox22=1 --set UpDown10=6 --set Chekcbox28=0"
    "big|calc --seed 15 --lock 1,2 ${sheet[*]}"
    "big|calc --seed 16 --set Chekcbox10=0 --set Chekcbox14=0 --show-list"
    "big|calc --seed 17 --set Chekcbox15=1 --set Chekcbox14=0 --set Chekcbox10=0"
    "small|calc --seed 18 --show-list"
    "empty|calc --seed 19"
    "small|calc --lock 1 --set Edit1=5"
    "small|calc --seed abc"
    "big|chart numbers"
    "big|chart pairs"
    "big|chart triples"
    "big|chart quads"
    "big|chart overdue"
    "big|chart dream-overdue"
    "big|chart dream"
    "big|chart cross-sums"
    "big|chart primes"
    "big|chart odd"
    "big|chart even"
    "big|chart tips ${sheet[*]}"
    "small|chart numbers --date 01.06.2024"
    "small|chart pairs --set Chekcbox28=0"
    "empty|chart numbers"
    "small|chart nonsense"
    "small|nonsense"
    "small|settings --set UpDown7=5 --set Chekcbox4=1 --set Edit3=12"
    "small|settings --set NoSuchValue=1"
)

out=""
for c in "${cases[@]}"; do
    home=${c%%|*}
    args=${c#*|}
    # global options (--set) may stand anywhere after the command in the table; move them first
    read -ra words <<<"$args"
    global=() cmd=()
    for ((i = 0; i < ${#words[@]}; i++)); do
        if [[ ${words[i]} == --set ]]; then
            global+=(--set "${words[i + 1]}")
            ((i++))
        else
            cmd+=("${words[i]}")
        fi
    done
    res=$("$cli" --home "$work/$home" --today 01.01.2034 "${global[@]}" "${cmd[@]}" 2>"$work/err")
    rc=$?
    # usage errors keep only their exit code: their wording is the parser's
    err=$([[ $rc == 2 ]] || cat "$work/err")
    out+="### $c"$'\n'"$res"$'\n'"--- stderr"$'\n'"$err"$'\n'"--- exit $rc"$'\n'
done

if [[ ${ZF_RECORD:-0} == 1 ]]; then
    printf '%s' "$out" >"$expected"
    echo "recorded ${#cases[@]} cases"
    exit 0
fi
if ! diff -u "$expected" <(printf '%s' "$out"); then
    echo "FAIL: ziffrano-cli output differs from the recording" >&2
    exit 1
fi
echo "${#cases[@]} recorded cases unchanged"
