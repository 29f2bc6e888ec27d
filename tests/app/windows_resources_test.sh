#!/usr/bin/env bash
# The Windows resource script stays well-formed: windres compiles it with the real icon, and the
# compiled resources hold the version strings and the common-controls manifest.
set -euo pipefail
resources=$1 icon=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$resources"/zorvane.rc "$resources"/zorvane.manifest "$work"/
cp "$icon" "$work"/icon.ico
cd "$work"
x86_64-w64-mingw32-windres --preprocessor=cpp -i zorvane.rc -O coff -o zorvane.res
x86_64-w64-mingw32-windres -i zorvane.res -O rc -o decompiled.rc
for expected in 'DEFAULT_ICON' '080404B0' '"FileDescription"' '"ProductName", "Zorvane"' '"CompanyName", "Qorvin"' \
  '"FileVersion", "1.5.0.0"' 'Microsoft.Windows.Common-Controls' '0x804, 1200'; do
  grep -qF -- "$expected" decompiled.rc || { echo "missing in compiled resources: $expected"; exit 1; }
done
echo "windows resources ok"
