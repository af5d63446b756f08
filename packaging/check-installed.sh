#!/usr/bin/env bash
# The full check of the package on this machine (needs root): installs it with apt, runs the
# installed programs as a fresh user would (own HOME), and removes it again.
#   packaging/check-installed.sh build-release/nimbosoft_0.1.0_amd64.deb
set -euo pipefail
deb="$(realpath "$1")"
home=$(mktemp -d /tmp/nimbo-installed-XXXXXX)
trap 'rm -rf "$home"' EXIT

echo "== declared: $(dpkg-deb -f "$deb" Depends)"
echo "== apt would install:"
apt-get install --simulate "$deb" | sed -n 's/^Inst \([^ ]*\).*/   \1/p'
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
files=$(dpkg -L nimbosoft)

echo "== from the installed paths"
command -v nimbo nimbo-admin
nimbo --version
nimbo-admin --version
[ "$(nimbo --version)" = "nimbo $(dpkg-query -W -f='${Version}' nimbosoft)" ]
man -w nimbo nimbo-admin
HOME="$home" nimbo-admin demo
[ -f "$home/.config/NimboSoft/NIMBO.ini" ] || { echo "NIMBO.ini not in the user's folder"; exit 1; }
[ ! -e /usr/bin/NIMBO.ini ] || { echo "NIMBO.ini written beside /usr/bin"; exit 1; }
HOME="$home" QT_QPA_PLATFORM=offscreen nimbo --shot MainForm "$home/main.png"
[ -s "$home/main.png" ]
HOME="$home" QT_QPA_PLATFORM=offscreen nimbo --shot TFormCariBr "$home/cari.png"
[ -s "$home/cari.png" ]
cp "$home"/*.png /tmp/ 2>/dev/null || true

echo "== remove"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq nimbosoft >/dev/null
left=0
while read -r f; do
  if [ -f "$f" ]; then echo "left behind: $f"; left=1; fi
done <<<"$files"
dpkg -s nimbosoft >/dev/null 2>&1 && { echo "still registered"; left=1; }
[ "$left" -eq 0 ] && echo "== installed, ran and removed cleanly"
exit "$left"
