#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Scalvo and starts it on the generated demo day in build/demo.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: Scalvo is a desktop program. Start it under a virtual one with: xvfb-run -s \"-screen 0 1280x1024x24\" bash scripts/run.sh (package xvfb)" >&2
  exit 1
fi
bash scripts/packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Only what it starts: the program and the demo day. scripts/test.sh builds the rest in the same
# folder and reuses all of this.
cmake --build build -j2 --target scalvo demo
cd build/demo
exec ../bin/scalvo
