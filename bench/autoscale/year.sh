#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An archive read as a station reads it: a year of generated soundings at 15 minutes (365 days,
# 35,040 files, about 2.1 GB) in one folder, read by autoscale on one thread and on two.
#   bash bench/autoscale/year.sh [BUILD_DIR] [YEAR]
# Prints the time of each (wall clock and processor time: another load on the machine shows as a
# gap between them) and the speed-up; the year's folder is removed at the end. A year must
# take under 60 s on two cores.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
year=${2:-2026}
generator=$build/bin/synthetic_day
autoscale=$build/bin/autoscale
for program in "$generator" "$autoscale"; do
  [ -x "$program" ] || { echo "no $program: build first (cmake --build $build)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/scalvo-year.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "== generating $year at 15 minutes in $work"
start=$SECONDS
# Two generators at a time. Each writes its truth file last, so that one may find the other's day
# without it yet: --force, as the days never share a file name.
for day in $(seq 0 364); do date -u -d "$year-01-01 + $day days" +%d-%m-%Y; done |
  xargs -P 2 -I{} "$generator" --date {} --interval 15 --force --out "$work" >/dev/null
files=$(find "$work/ionograms" -name '*.rdf' | wc -l)
echo "   $files files, $(du -sh "$work/ionograms" | cut -f1), in $((SECONDS - start)) s"

# The files read once before the timing, so that both runs find them in memory alike.
find "$work/ionograms" -name '*.rdf' -exec cat {} + >/dev/null

# Wall-clock and processor seconds of one run.
run() {
  local jobs=$1 TIMEFORMAT='%R %U %S'
  { time "$autoscale" --jobs "$jobs" "$work/ionograms" >"$work/year-$jobs.csv" 2>"$work/year-$jobs.err"; } 2>&1
}
# Each twice, in turn, and the faster of the two kept: a run is only ever slowed by what else
# the machine does.
one=999999 two=999999
for round in 1 2; do
  for jobs in 1 2; do
    read -r wall user system < <(run "$jobs")
    echo "   round $round, --jobs $jobs: $wall s"
    if [ "$jobs" = 1 ] && awk -v a="$wall" -v b="$one" 'BEGIN { exit !(a < b) }'; then
      one=$wall one_user=$user one_system=$system
    elif [ "$jobs" = 2 ] && awk -v a="$wall" -v b="$two" 'BEGIN { exit !(a < b) }'; then
      two=$wall two_user=$user two_system=$system
    fi
  done
done
cmp -s "$work/year-1.csv" "$work/year-2.csv" || { echo "the two runs differ" >&2; exit 1; }

printf '== autoscale over %d files (%s cores here; the faster run: wall clock, then processor time)\n' \
  "$files" "$(nproc)"
awk -v n="$files" -v one="$one" -v two="$two" -v cpu1="$one_user" -v sys1="$one_system" \
    -v cpu2="$two_user" -v sys2="$two_system" 'BEGIN {
  printf "   --jobs 1: %6.1f s  (%4.0f files/s)  %6.1f s\n", one, n / one, cpu1 + sys1
  printf "   --jobs 2: %6.1f s  (%4.0f files/s)  %6.1f s\n", two, n / two, cpu2 + sys2
  printf "   speed-up: %.2f\n", one / two }'
if awk -v two="$two" 'BEGIN { exit !(two >= 60) }'; then
  echo "a year took $two s on two cores: 60 s at most" >&2
  exit 1
fi
