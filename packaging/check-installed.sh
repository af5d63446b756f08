#!/usr/bin/env bash
# The full check of the package (needs root): installs it with apt, runs the installed programs
# as a fresh user would (own HOME), and removes it again. With a second argument the check runs
# in that Debian root instead of this machine, e.g. one made by
#   debootstrap --variant=minbase bookworm /tmp/clean http://deb.debian.org/debian
# where apt has to bring every dependency the package declares.
#   packaging/check-installed.sh build-release/nimbosoft_0.1.0_amd64.deb [/tmp/clean]
set -euo pipefail
deb="$(realpath "$1")" root="${2:-}"
run() { if [ -n "$root" ]; then chroot "$root" bash -c "$1"; else bash -c "$1"; fi; }
if [ -n "$root" ]; then
  cp "$deb" "$root/tmp/"
  deb="/tmp/$(basename "$deb")"
  mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
  trap 'umount "$root/proc" 2>/dev/null || true' EXIT
  run "apt-get update -qq"
fi

echo "== declared: $(run "dpkg-deb -f $deb Depends")"
echo "== apt brings: $(run "apt-get install --simulate --no-install-recommends $deb" | grep -c '^Inst') packages"
run "DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $deb >/dev/null"

run '
set -euo pipefail
home=$(mktemp -d /tmp/nimbo-user-XXXXXX)
export HOME=$home QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
echo "== from the installed paths"
command -v nimbo nimbo-admin
for b in $(dpkg -L nimbosoft | grep /bin/); do ! ldd "$b" | grep "not found"; done
[ "$(nimbo --version)" = "nimbo $(dpkg-query -W -f="\${Version}" nimbosoft)" ]
nimbo-admin --version
man -w nimbo nimbo-admin 2>/dev/null || ls /usr/share/man/man1/nimbo*.1.gz
nimbo-admin demo
[ -f "$HOME/.config/NimboSoft/NIMBO.ini" ] || { echo "NIMBO.ini is not in the user folder"; exit 1; }
[ ! -e /usr/bin/NIMBO.ini ] || { echo "NIMBO.ini written beside /usr/bin"; exit 1; }
nimbo --shot MainForm "$HOME/main.png" 2>/dev/null
nimbo --shot TFormCariBr "$HOME/cari.png" 2>/dev/null
[ -s "$HOME/main.png" ] && [ -s "$HOME/cari.png" ]
cp "$HOME"/main.png /tmp/nimbo-installed-main.png
rm -rf "$home"
dpkg -L nimbosoft > /tmp/nimbosoft.files
'

echo "== remove"
run "DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq nimbosoft >/dev/null"
# A clean root goes back to what it was, so the next check again installs every dependency.
[ -z "$root" ] || run "DEBIAN_FRONTEND=noninteractive apt-get autoremove -y -qq >/dev/null"
run '
left=0
while read -r f; do [ -f "$f" ] && { echo "left behind: $f"; left=1; }; done < /tmp/nimbosoft.files
dpkg -s nimbosoft >/dev/null 2>&1 && { echo "still registered"; left=1; }
rm -f /tmp/nimbosoft.files
[ "$left" -eq 0 ] && echo "== installed, ran and removed cleanly"
exit "$left"
'
