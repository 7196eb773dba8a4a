#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs when they are missing (Debian 12, as root).
set -euo pipefail

# dpkg-dev and file: the Debian package's dependencies are found by dpkg-shlibdeps.
# libqt6opengl6-dev: Qt Charts' CMake files need Qt6OpenGL's, which qt6-charts-dev does not pull in.
needed=(cmake g++ make pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
        googletest libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2
        fonts-crosextra-caladea dpkg-dev file "$@")
# libcli11-dev: the option parsing of the programs without Qt (header-only); libpng-dev: the
# generator's previews.
needed+=(libcli11-dev libpng-dev)
missing=()
for package in "${needed[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! apt-get install -y --no-install-recommends "${missing[@]}"; then
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
  fi
fi
