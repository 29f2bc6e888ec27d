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
x86_64-w64-mingw32-windres --preprocessor=cpp -i zorvane.rc -O coff -o zorvane.o
x86_64-w64-mingw32-windres --preprocessor=cpp -i zorvane.rc -O res -o zorvane.res
x86_64-w64-mingw32-windres -i zorvane.res -O rc -o decompiled.rc
grep -qaF 'Microsoft.Windows.Common-Controls' zorvane.res || { echo "manifest missing"; exit 1; }
# 一款好玩的打字游戏, as windres writes it back
description='L"\x4e00\x6b3e\x597d\x73a9\x7684\x6253\x5b57\x6e38\x620f"'
for expected in '"DEFAULT_ICON"' 'RT_GROUP_ICON' '"\200\200\000\000", 1, 32' '080404B0' "\"FileDescription\", $description" \
  '"ProductName", "Zorvane"' '"CompanyName", "Qorvin"' '"FileVersion", "1.5.0.0"' '"ProductVersion", "1.5.0.0"' \
  'FILEOS 0x4' 'FILETYPE 0x1' '0x804, 1200'; do
  grep -qF -- "$expected" decompiled.rc || { echo "missing in compiled resources: $expected"; exit 1; }
done
echo "windows resources ok"
