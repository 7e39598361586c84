#!/usr/bin/env bash
# Builds the Debian package build/numerava_VERSION_ARCH.deb and checks it: the files it installs, its
# menu entry (desktop-file-validate), its dependencies, and that the program started through
# /usr/bin/numerava finds its own folder (where Graphics lies). Install it with
#   sudo apt-get install ./build/numerava_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja
cmake --build build -j2 --target numerava
rm -f build/numerava_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/numerava_*.deb)
echo "built $deb"

passed=0
failed=0
# expect WHAT COMMAND...: counts the check, and names it when the command fails.
expect() {
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAILED: $what" >&2
    failed=$((failed + 1))
  fi
}

contents=$(dpkg-deb -c "$deb")
listed() { grep -qE " \./$1( |\$)" <<<"$contents"; }
expect "the program is an executable file in /usr/lib/numerava" \
  grep -qE "^-rwxr-xr-x .* \./usr/lib/numerava/numerava\$" <<<"$contents"
expect "/usr/bin/numerava is a link to the program" \
  grep -qE " \./usr/bin/numerava -> \.\./lib/numerava/numerava\$" <<<"$contents"
for file in Graphics/*; do expect "/usr/lib/numerava/$file is installed" listed "usr/lib/numerava/$file"; done
expect "the menu entry is installed" listed "usr/share/applications/numerava.desktop"
for size in 32 48 64 128 256; do
  expect "the ${size}x${size} icon is installed" listed "usr/share/icons/hicolor/${size}x${size}/apps/numerava.png"
done
expect "nothing of the build or the tests is installed" \
  bash -c '! grep -qE "\./usr/(include|share/doc/googletest)|_tests\$|QtTest\$" <<<"$0"' "$contents"

info=$(dpkg-deb -I "$deb")
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
for package in fonts-wine fonts-dejavu-core libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6; do
  expect "Depends names $package ($depends)" grep -qE "(^|, )${package//+/\\+}( |,|\$)" <<<"$depends"
done
expect "the section is education" grep -q "^ Section: education\$" <<<"$info"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/numerava.desktop"
expect "desktop-file-validate accepts the menu entry" desktop-file-validate "$desktop"
for key in 'Name=Numerava' 'Comment=' 'Comment\[cs\]=' 'Comment\[sk\]=' 'Exec=numerava' 'Icon=numerava' \
  'Categories=Education;'; do
  expect "the menu entry has $key" grep -q "^$key" "$desktop"
done
for size in 32 48 64 128 256; do
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/numerava.png"
  dimensions=$(od -An -tu1 -j16 -N8 "$icon" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }')
  expect "the ${size}x${size} icon is ${size}x${size} ($dimensions)" test "$dimensions" = "${size}x${size}"
done

# Started through the link from another folder, the program must work in its own folder, where the
# package put Graphics. The offscreen platform needs no display.
XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/numerava-runtime}
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
(cd / && XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen exec "$root/usr/bin/numerava") &
program=$!
folder=""
for _ in $(seq 50); do
  sleep 0.1
  folder=$(readlink "/proc/$program/cwd" || true)
  [ "$folder" = "$root/usr/lib/numerava" ] && break
done
running=false
if kill -0 "$program" 2>/dev/null; then
  running=true
  kill "$program"
  wait "$program" 2>/dev/null || true
fi
expect "the program started through the link keeps running" $running
expect "the program started through the link works in its own folder ('$folder')" \
  test "$folder" = "$root/usr/lib/numerava"

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
