#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The package tried on a fresh Debian 12 (a manual check, as root; not part of CI, it downloads
# a minimal system and the package's dependencies, a few minutes and about 400 MB):
#   [SCREENSHOT=window.png] bash scripts/fresh_machine.sh [build/scalvo_<version>_<arch>.deb]
# It makes a `debootstrap --variant=minbase bookworm` chroot from the mirror apt is set up
# with, installs the package there with `apt install ./scalvo_*.deb` and nothing else, runs
# every program once, opens `scalvo --folder DIR` on a generated day and looks for its window,
# then removes and purges the package and checks that none of its files is left.
#
# The display comes from outside: an Xvfb on this machine, its socket bound into the chroot,
# and the window looked for from here. So the chroot holds only what the package brought, and
# a library the package forgot cannot slip in with the tools of the check.
set -euo pipefail
cd "$(dirname "$0")/.."

deb=${1:-$(ls build/scalvo_*.deb 2>/dev/null | head -n 1)}
[ -f "$deb" ] || { echo "no package: build it with cmake --build build --target package" >&2; exit 2; }
deb=$(realpath "$deb")

need=()
command -v debootstrap >/dev/null || need+=(debootstrap)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
if [ -n "${SCREENSHOT:-}" ]; then
  command -v xwd >/dev/null || need+=(x11-apps)
  command -v xwdtopnm >/dev/null || need+=(netpbm)
fi
if [ ${#need[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"
fi

# The Debian mirror of apt's own sources (deb822 or one-line), for the bookworm suite.
mirror=$(awk '
  /^URIs:/ { uri = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == "bookworm") found = uri }
  /^deb / && $3 == "bookworm" { found = $2 }
  END { print found }' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null || true)
mirror=${mirror:-http://deb.debian.org/debian}
echo "== mirror $mirror"

root=$(mktemp -d /var/tmp/scalvo-fresh.XXXXXX)
display=:$((90 + RANDOM % 9))
xvfb=
scalvo=
cleanup() {
  for pid in $scalvo $xvfb; do kill "$pid" 2>/dev/null || true; done
  for mounted in tmp/.X11-unix dev proc; do
    if mountpoint -q "$root/$mounted"; then umount -R "$root/$mounted" || umount -R -l "$root/$mounted"; fi
  done
  # Never across a mount that is still there.
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
in_root() { chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
# apt's download user cannot read what debootstrap left as root; as root it downloads alike.
apt_get() { in_root env DEBIAN_FRONTEND=noninteractive apt-get -o APT::Sandbox::User=root "$@"; }

echo "== debootstrap --variant=minbase bookworm"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
  { tail -n 20 "$root.log"; exit 1; }
rm -f "$root.log"
mount -t proc proc "$root/proc"
# Nothing mounted in the chroot may come back out to this machine's /dev.
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mkdir -p "$root/tmp/.X11-unix"
cp "$deb" "$root/tmp/"
echo "== packages before: $(in_root dpkg-query -W | wc -l)"

echo "== apt install ./$(basename "$deb")"
apt_get update -q >/dev/null
apt_get install -y -q "/tmp/$(basename "$deb")" 2>&1 |
  grep -E '^(Setting up scalvo|[0-9]+ upgraded)'
echo "== packages after: $(in_root dpkg-query -W | wc -l)"
files=$(in_root dpkg -L scalvo | while read -r f; do [ -d "$root$f" ] || echo "$f"; done)
echo "== the package's files ($(echo "$files" | wc -l)):"
echo "$files" | sed 's/^/   /'

echo "== every library found"
for f in $(echo "$files" | grep '^/usr/bin/') \
         /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so; do
  if in_root ldd "$f" | grep 'not found'; then echo "missing for $f" >&2; exit 1; fi
done
echo "   none missing"

echo "== every program runs"
for program in scalvo tabulor autoscale synthetic_day monthly_tables; do
  echo "   $(in_root env QT_QPA_PLATFORM=offscreen "$program" --version)"
done
in_root synthetic_day --date 05-12-2026 --out /root/station --setting 07:45 | sed 's/^/   /'
in_root sh -c 'cd /root/station && autoscale --jobs 2 ionograms | tail -n +2 | wc -l' |
  sed 's/^/   autoscale: lines /'

echo "== scalvo --folder /root/station on a virtual display"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.2; done
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
in_root env DISPLAY="$display" XDG_RUNTIME_DIR=/tmp QT_QPA_PLATFORM=xcb \
  scalvo --folder /root/station >"$root/tmp/scalvo.log" 2>&1 &
scalvo=$!
windows=
for _ in $(seq 60); do
  windows=$(DISPLAY=$display xdotool search --onlyvisible --name . 2>/dev/null || true)
  [ -n "$windows" ] && break
  kill -0 "$scalvo" 2>/dev/null || break
  sleep 0.5
done
for w in $windows; do echo "   window: $(DISPLAY=$display xdotool getwindowname "$w")"; done
if [ -n "${SCREENSHOT:-}" ] && [ -n "$windows" ]; then
  sleep 2 # drawn
  DISPLAY=$display xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$SCREENSHOT"
  echo "   screenshot: $SCREENSHOT"
fi
if [ -z "$windows" ]; then
  echo "no window appeared" >&2
  cat "$root/tmp/scalvo.log" >&2
  exit 1
fi
kill "$scalvo"
wait "$scalvo" 2>/dev/null || true
umount "$root/tmp/.X11-unix"

echo "== apt remove scalvo, then purge"
apt_get remove -y -q scalvo 2>&1 | grep -E '^(Removing|[0-9]+ upgraded)'
# Without configuration files dpkg forgets the package on removal; a purge then has nothing to
# do, which dpkg (unlike apt) says without failing.
in_root dpkg --purge scalvo 2>&1 | sed 's/^/   /'
left=$(echo "$files" | while read -r f; do [ -e "$root$f" ] && echo "$f"; done || true)
if [ -n "$left" ]; then echo "left behind:" >&2; echo "$left" >&2; exit 1; fi
[ -d "$root/usr/share/doc/scalvo" ] && { echo "left behind: /usr/share/doc/scalvo" >&2; exit 1; }
if in_root dpkg-query -W -f='${Status}\n' scalvo 2>/dev/null | grep -q .; then
  echo "dpkg still knows scalvo" >&2; exit 1
fi
echo "   none of the $(echo "$files" | wc -l) files left, dpkg knows no scalvo"
echo "fresh machine check passed"
