#!/usr/bin/env bash
# Compiles the code that has no Qt (the logic libraries and the platform's own system calls) for
# Windows with MinGW-w64, warnings as errors: a POSIX-only header or call there fails here. Qt for
# Windows is not on Debian, so the widgets are not part of it.
set -euo pipefail
cd "$(dirname "$0")/.."
compiler=x86_64-w64-mingw32-g++-posix
if ! command -v "$compiler" >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends g++-mingw-w64-x86-64-posix
fi
sources=(src/core/*.cpp src/catalogue/*.cpp src/generator/*.cpp src/engine/*.cpp src/contest/*.cpp
  src/equation/Markup*.cpp src/platform/Process.cpp src/platform/PictureCheck.cpp)
passed=0
failed=0
for source in "${sources[@]}"; do
  if "$compiler" -std=c++20 -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align \
    -Woverloaded-virtual -Wimplicit-fallthrough -Wno-restrict -Werror -Isrc -fsyntax-only "$source"; then
    passed=$((passed + 1))
  else
    echo "FAILED: $source does not compile for Windows" >&2
    failed=$((failed + 1))
  fi
done
echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
