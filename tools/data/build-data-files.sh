#!/bin/sh
# Turns the UTF-8 word-problem sources of this folder into the data files the program reads:
# Graphics/numerava_cz.dat and Graphics/numerava_sk.dat, Windows-1250 with CR LF line ends.
# The generated files are committed; run this script after editing a source and commit both.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
graphics="$here/../../Graphics"
converted=$(mktemp)
trap 'rm -f "$converted"' EXIT
for language in cz sk; do
    # iconv stops with an error on a character Windows-1250 lacks, so nothing is lost silently.
    iconv -f UTF-8 -t WINDOWS-1250 "$here/numerava_$language.txt" > "$converted"
    LC_ALL=C awk '{ sub(/\r$/, ""); printf "%s\r\n", $0 }' "$converted" > "$graphics/numerava_$language.dat"
done
