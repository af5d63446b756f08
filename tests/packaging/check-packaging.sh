#!/usr/bin/env bash
# Checks what the package ships, without installing it:
#   check-packaging.sh SOURCE_DIR BUILD_DIR VERSION PROGRAM...
# desktop entries and AppStream metainfo pass their validators, every program answers
# --version and --help, its manual page was written, and the user guide is in the build tree.
set -uo pipefail
src="$1" build="$2" version="$3"
shift 3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (desktop-file-utils, appstream)"
done

pkg="$src/packaging"
shopt -s nullglob
desktops=("$pkg"/*.desktop)
[ ${#desktops[@]} -ge 2 ] || fail "expected desktop entries in $pkg"
for d in "${desktops[@]}"; do
  out=$(desktop-file-validate "$d" 2>&1) || fail "desktop-file-validate $(basename "$d"): $out"
  [ -z "$out" ] || fail "desktop-file-validate $(basename "$d") warns: $out"
  icon=$(sed -n 's/^Icon=//p' "$d")
  [ -f "$pkg/icons/$icon.svg" ] || fail "$(basename "$d"): no icon $icon.svg"
  [ "$icon.desktop" = "$(basename "$d")" ] || fail "$(basename "$d"): icon name $icon differs from the entry's id"
done

for m in "$pkg"/*.metainfo.xml; do
  out=$(appstreamcli validate --no-net "$m" 2>&1) || fail "appstreamcli validate $(basename "$m"): $out"
  grep -q "<release version=\"$version\"" "$m" || fail "$(basename "$m") has no release $version"
  launch=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$m")
  [ -f "$pkg/$launch" ] || fail "$(basename "$m") launches $launch, which is not in packaging/"
done

for prog in "$@"; do
  exe="$build/bin/$prog"
  [ -x "$exe" ] || { fail "$exe missing"; continue; }
  out=$(QT_QPA_PLATFORM=offscreen "$exe" --version 2>&1) || fail "$prog --version exits $?"
  [ "$out" = "$prog $version" ] || fail "$prog --version says '$out', expected '$prog $version'"
  out=$(QT_QPA_PLATFORM=offscreen "$exe" --help 2>&1) || fail "$prog --help exits $?"
  [[ "$out" == *"$prog"* && $(wc -l <<<"$out") -ge 5 ]] || fail "$prog --help says too little: $out"
  page="$build/man/$prog.1"
  if [ -f "$page" ]; then
    grep -q "^\.TH $prog 1 .*NimboSoft $version" "$page" || fail "$page has no .TH line of $version"
    if command -v man >/dev/null; then
      rendered=$(MANWIDTH=100 man -l "$page" 2>/dev/null)
      [[ "$rendered" == *"--help"* ]] || fail "$page does not render the help text"
    fi
  else
    fail "no manual page $page"
  fi
done

# The user guide sits beside the binaries exactly as in docs/help.
if [ -f "$build/bin/help/index.html" ]; then
  diff -rq "$src/docs/help" "$build/bin/help" >/dev/null || fail "bin/help differs from docs/help"
else
  fail "bin/help/index.html missing in the build tree"
fi

[ "$failures" -eq 0 ] && echo "packaging checks passed"
exit $((failures > 0))
