#!/usr/bin/env bash
# The agreement table of the automatic scaling: twelve generated days that no test uses (winter,
# summer and equinox days at steps of 0.025, 0.05 and 0.1 MHz, each with a seed of its own),
# every sounding of each, against the generator's truth. The table goes to standard error.
#   bash workstation/autoscale/agreement.sh [BUILD_DIR] [WORK_DIR]
set -euo pipefail
build=${1:-build}
work=${2:-/tmp/autoscale-agreement}
days=(
  "05-01-2026 0.025 101" "28-12-2024 0.05 102" "10-02-2027 0.1 103" "15-11-2025 0.025 111"
  "10-07-2026 0.025 104" "25-05-2025 0.05 105" "30-06-2027 0.1 106" "15-08-2024 0.1 112"
  "20-03-2026 0.025 107" "25-09-2024 0.05 108" "15-10-2025 0.1 109" "01-04-2027 0.05 110"
)
truths=()
files=()
for day in "${days[@]}"; do
  read -r date step seed <<<"$day"
  folder="$work/$date-$step-$seed"
  "$build/bin/synthetic_day" --out "$folder" --date "$date" --step "$step" --seed "$seed" \
    --interval 15 >/dev/null
  truths+=(--truth "$(ls "$folder"/ionograms/*_truth.csv)")
  files+=("$folder"/ionograms/*.rdf)
done
"$build/bin/autoscale" "${truths[@]}" "${files[@]}" >"$work/proposals.csv"
