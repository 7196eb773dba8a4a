#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG icons from scalvo.svg after a change to it; the PNGs are kept in the
# repository so that building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")"
bash ../../scripts/packages.sh librsvg2-bin
for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" scalvo.svg -o "scalvo-$size.png"
done
