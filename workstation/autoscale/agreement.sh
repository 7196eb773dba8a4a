#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The agreement table of the automatic scaling: generated days (a list of "date step interval
# seed" lines, held-out.txt by default), every sounding of each, against the generator's truth.
#   bash workstation/autoscale/agreement.sh [--world NAME] [--options "SYNTHETIC_DAY OPTIONS"]
#        [--row LABEL | --conditions FILE] [BUILD_DIR] [WORK_DIR] [DAYS_FILE]
# --world and --options make the days in a harder world (synthetic_day's own options, e.g.
# --options "--spread-f 0.8"). autoscale's own table goes to standard error; the table of right,
# wrong and false proposals goes to standard output (with --row, one line of it under LABEL;
# with --conditions, one line for each "LABEL  OPTIONS" line of FILE, e.g. conditions.txt).
# Wrong: beyond 0.2 MHz, 10 km or, for MUF(3000)F2, 0.5 MHz of a readable truth. False: a
# proposal where the truth has no value or says the condition hides it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
extra=()
row=""
conditions=""
while [[ $# -gt 0 && "$1" == --* ]]; do
  case "$1" in
    --world) extra+=(--world "$2"); shift 2 ;;
    --options) read -r -a words <<<"$2"; extra+=("${words[@]}"); shift 2 ;;
    --row) row="$2"; shift 2 ;;
    --conditions) conditions="$2"; shift 2 ;;
    *) echo "agreement.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
build=${1:-build}
work=${2:-/tmp/autoscale-agreement}
days=${3:-$here/days/held-out.txt}
if [[ -n "$conditions" ]]; then
  printf '%-28s' "right/wrong/false"
  for name in fmin foE hE foEs hEs fbEs hF foF1 hF2 foF2 fxI MUF3000F2; do printf ' %14s' "$name"; done
  echo
  while IFS= read -r line; do
    [[ -z "$line" || "$line" == \#* ]] && continue
    label=$(sed -E 's/ *(--.*)?$//' <<<"$line")
    options=$(grep -oE -- '--.*$' <<<"$line" || true)
    bash "$0" --options "$options" --row "$label" "$build" "$work" "$days" 2>/dev/null
  done <"$conditions"
  exit 0
fi
truths=()
truth_files=()
files=()
while read -r date step interval seed; do
  [[ -z "$date" || "$date" == \#* ]] && continue
  folder="$work/$date-$step-$interval-$seed"
  rm -rf "$folder"
  "$build/bin/synthetic_day" --out "$folder" --date "$date" --step "$step" --seed "$seed" \
    --interval "$interval" ${extra[@]+"${extra[@]}"} >/dev/null
  truth=$(ls "$folder"/ionograms/*_truth.csv)
  truths+=(--truth "$truth")
  truth_files+=("$truth")
  files+=("$folder"/ionograms/*.rdf)
done <"$days"
"$build/bin/autoscale" "${truths[@]}" "${files[@]}" >"$work/proposals.csv" || true
awk -v row="$row" -f "$here/agreement.awk" "${truth_files[@]}" "$work/proposals.csv"
