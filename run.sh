#!/usr/bin/env bash
# Installs what is missing, builds in Release, creates the demo firm on first use and
# starts the program. Extra arguments go to the program (for example -d).
source "$(dirname "$0")/scripts-common.sh"
nimbo_install
nimbo_build Release "$NIMBO_ROOT/build-release"
BIN="$NIMBO_ROOT/build-release/bin"
if [ ! -f "$BIN/NIMBO.ini" ]; then
  echo "== creating the demo firm"
  "$BIN/nimbo-admin" demo
else
  # Years made by an earlier build get the schema steps added since (a no-op when current).
  "$BIN/nimbo-admin" upgrade || echo "== the years could not be upgraded; the program will say why"
fi
exec "$BIN/nimbo" "$@"
