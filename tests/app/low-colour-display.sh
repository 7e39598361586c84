#!/usr/bin/env bash
# On a display of 256 colours the program must refuse with a message and a non-zero exit status,
# never crash: Qt's widgets cannot paint there.
#   low-colour-display.sh PATH_TO_NUMERAVA
set -uo pipefail
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
xvfb-run -a -s "-screen 0 640x480x8 -nolisten tcp" timeout 20 "$1" 2>"$errors" >/dev/null
status=$?
if [ "$status" -ne 1 ]; then
  echo "expected exit status 1, got $status"; cat "$errors"; exit 1
fi
grep -q "bits per pixel" "$errors" || { echo "no message on standard error:"; cat "$errors"; exit 1; }
echo "refused: $(grep 'bits per pixel' "$errors")"
