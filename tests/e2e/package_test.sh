#!/usr/bin/env bash
# The Debian package: cpack builds it; on CI (as root) it is installed into the machine, elsewhere
# unpacked into a scratch directory. The installed program is started as an unprivileged user, who
# cannot write its directory, shows its window and ends with 0 on Esc.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
build_dir=$1

(cd "$build_dir" && cpack -G DEB -B "$E2E_TMP/package" >"$E2E_TMP/cpack.log" 2>&1) || fail "cpack: $(tail -20 "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/package/zorvane_*.deb)
dpkg-deb --contents "$deb" >"$E2E_TMP/contents.txt"
for path in ./usr/bin/zorvane ./usr/lib/zorvane/zorvane ./usr/lib/zorvane/jedata.dll \
  ./usr/share/applications/zorvane.desktop ./usr/share/metainfo/io.github.qorvin.zorvane.metainfo.xml \
  ./usr/share/icons/hicolor/128x128/apps/zorvane.png; do
  grep -qF " $path" "$E2E_TMP/contents.txt" || fail "the package lacks $path"
done
grep -q '皮肤.she' "$E2E_TMP/contents.txt" || fail "the package lacks the skin file"

if [[ "${CI:-}" == true && $(id -u) -eq 0 ]]; then
  dpkg -i "$deb" >"$E2E_TMP/dpkg.log" 2>&1 || apt-get install -y -f >>"$E2E_TMP/dpkg.log" 2>&1 ||
    fail "dpkg -i: $(tail -20 "$E2E_TMP/dpkg.log")"
  program=/usr/bin/zorvane
else
  dpkg-deb -x "$deb" "$E2E_TMP/root"
  program="$E2E_TMP/root/usr/bin/zorvane"
fi
chmod 755 "$E2E_TMP"

run_as=()
[[ $(id -u) -eq 0 ]] && run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
start_xvfb 1280x1024
"${run_as[@]}" "$program" >"$E2E_TMP/out.log" 2>&1 &
pid=$!
E2E_PIDS+=($pid)
window=$(wait_for_window Zorvane 30) || fail "the installed program shows no window: $(cat "$E2E_TMP/out.log")"
window_geometry "$window"
[[ "$WIDTH" == 690 && "$HEIGHT" == 534 ]] || fail "window is ${WIDTH}x${HEIGHT}"
close_with_escape_and_expect_zero "$pid" "$window"
echo "package test passed"
