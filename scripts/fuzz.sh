#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for the given seconds (default 20), from
# seed corpora made by the synthetic-day generator, as many at once as there are cores. A finding
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
out=${SCALVO_FUZZ_DIR:-build-fuzz}

targets="ionogram_file ionogram_plot record settings numeric_value tabulor_line engine truth
  tabulor_splitter overview sheet command_line caption"

bash scripts/packages.sh clang libclang-rt-14-dev
# The fuzz build holds the logic alone (no window, test or benchmark); of it, only the targets.
CXX=clang++ cmake -S . -B "$out" -DSCALVO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out" -j2 --target $(printf 'fuzz_%s ' $targets)

# Seeds: a generated day (with a broken file), a settings file, records of a scaled day.
generator=build/bin/synthetic_day
[ -x "$generator" ] || { cmake -S . -B build >/dev/null && cmake --build build -j2 --target synthetic_day; }
seeds="$out/seeds"
rm -rf "$seeds"
for target in $targets; do mkdir -p "$seeds/$target"; done
"$generator" --date 05-12-2026 --interval 60 --step 0.5 --out "$seeds/day" --broken 03:00 \
  --setting 07:00 >/dev/null
cp "$seeds"/day/ionograms/*.rdf "$seeds/ionogram_file/"
cp "$seeds"/day/ionograms/*.rdf "$seeds/ionogram_plot/"
cp "$seeds/day/setting.txt" "$seeds/settings/"
printf '%246s\r\n' '' > "$seeds/record/blank"
{
  printf "07:45 fmin    = 15EE h'E     =105   foE     =285UA foEs    = 45ES h'Es    =105  "
  printf " Es Type =F1   "
  printf " fbEs    = 45EG h'F     =250   foF1    =433   h'F2    =      foF2    = 72JA"
  printf " fxI     = 77 X MUF F1  =150   M3000 F1=1E3   MUF F2  =253   M3000 F2=351   \r\n"
} > "$seeds/record/scaled"
cp "$seeds"/record/* "$seeds/tabulor_line/"
printf '0.050' > "$seeds/numeric_value/a"
printf ' 12ab' > "$seeds/numeric_value/b"
# The engine takes six header bytes (start, end, step) and an amplitude pattern: a noon
# sounding's echoes, cut from the generated file after its header.
for hour in 00 12; do
  { printf '\001\000\024\000\000\144'; tail -c +198 "$seeds"/day/ionograms/ZE20R_2026339${hour}0000.rdf; } \
    > "$seeds/engine/sounding$hour"
done
cp "$seeds"/day/ionograms/*_truth.csv "$seeds/truth/"
{ printf '\003\001\007\377'; cat "$seeds/record/scaled" "$seeds/record/blank"; } > "$seeds/tabulor_splitter/day"
{ printf '\004'; cat "$seeds/record/scaled"; printf '%246s\r\n' '' ''; } > "$seeds/overview/day"
for case in 0 2 9; do
  { printf "\\377\\000\\$case\\001\\00$case"; cat "$seeds/record/scaled"; } > "$seeds/sheet/case$case"
done
printf -- '--date\00005-12-2026\000--skip\00008:30,09:00\000--out\000w' > "$seeds/command_line/synth"
printf -- '--folder\000/tmp\000--version' > "$seeds/command_line/scalvo"
printf '\007\055\000\000\100\00105-12-2026 ZE20R_2026339074500.rdf' > "$seeds/caption/day"

# Inputs that once found a fault run first, every time.
for found in fuzz/regressions/*/; do
  cp "$found"* "$seeds/$(basename "$found")/"
done

# A libFuzzer run keeps one core busy: as many run at once as there are cores, each into its own
# log, whose summary is shown afterwards in the targets' order.
rm -rf "$out/logs"
mkdir -p "$out/logs"
fuzz() {
  mkdir -p "$out/findings/$1"
  "$out/fuzz/fuzz_$1" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$out/findings/$1/" "$seeds/$1" > "$out/logs/$1" 2>&1 || true
}
running=0
for target in $targets; do
  if [ "$running" -ge "$(nproc)" ]; then
    wait -n
    running=$((running - 1))
  fi
  fuzz "$target" &
  running=$((running + 1))
done
wait

found=0
for target in $targets; do
  echo "== fuzz_$target for ${seconds}s"
  grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' "$out/logs/$target" || true
  if ls "$out/findings/$target"/* >/dev/null 2>&1; then
    echo "fuzz_$target found a failing input in $out/findings/$target" >&2
    found=1
  fi
done
exit "$found"
