#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The agreement table of the automatic scaling: generated days (a list of "date step interval
# seed" lines, held-out.txt by default), every sounding of each, against the generator's truth.
# The table goes to standard error.
#   bash workstation/autoscale/agreement.sh [BUILD_DIR] [WORK_DIR] [DAYS_FILE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
work=${2:-/tmp/autoscale-agreement}
days=${3:-$here/days/held-out.txt}
truths=()
files=()
while read -r date step interval seed; do
  [[ -z "$date" || "$date" == \#* ]] && continue
  folder="$work/$date-$step-$interval-$seed"
  "$build/bin/synthetic_day" --out "$folder" --date "$date" --step "$step" --seed "$seed" \
    --interval "$interval" >/dev/null
  truths+=(--truth "$(ls "$folder"/ionograms/*_truth.csv)")
  files+=("$folder"/ionograms/*.rdf)
done <"$days"
"$build/bin/autoscale" "${truths[@]}" "${files[@]}" >"$work/proposals.csv"
