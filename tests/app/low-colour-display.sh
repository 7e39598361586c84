#!/usr/bin/env bash
# On a display of 256 colours the program must refuse with a message and a non-zero exit status,
# never crash: Qt's widgets cannot paint there.
#   low-colour-display.sh PATH_TO_NUMERAVA
set -uo pipefail
work=$(mktemp -d)
server=""
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
# Xvfb picks a free display itself and writes its number to file descriptor 3.
Xvfb -displayfd 3 -screen 0 640x480x8 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
DISPLAY=":$(head -n1 "$work/display")" timeout 20 "$1" 2>"$work/errors" >/dev/null
status=$?
if [ "$status" -ne 1 ]; then
  echo "expected exit status 1, got $status"; cat "$work/errors"; exit 1
fi
grep -q "bits per pixel" "$work/errors" || { echo "no message on standard error:"; cat "$work/errors"; exit 1; }
echo "refused: $(grep 'bits per pixel' "$work/errors")"
