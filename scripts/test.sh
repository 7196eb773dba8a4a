#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test. Extra arguments go to CMake (CI builds a sanitised
# copy with them).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${SCALVO_BUILD_DIR:-build}
bash scripts/packages.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
