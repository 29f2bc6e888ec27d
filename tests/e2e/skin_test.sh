#!/usr/bin/env bash
# The skin files at start: a second instance in the same directory starts skinned while the first
# keeps running; in a directory the program cannot write, with neither file there, it ends with
# the fatal error (message box dismissed with a key) and exit code -1.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

start_xvfb 1280x1024
program=$(install_program_copy "$1")
dir=$(dirname "$program")

# Two instances at once.
"$program" >"$E2E_TMP/first.log" 2>&1 &
first=$!
E2E_PIDS+=($first)
wait_for_window Zorvane 30 >/dev/null || fail "first instance shows no window: $(cat "$E2E_TMP/first.log")"
"$program" >"$E2E_TMP/second.log" 2>&1 &
second=$!
E2E_PIDS+=($second)
two_windows() { (($(xdotool search --onlyvisible --name '^Zorvane$' 2>/dev/null | wc -l) >= 2)); }
wait_until 30 two_windows || fail "second instance shows no window: $(cat "$E2E_TMP/second.log")"
kill -0 "$first" 2>/dev/null || fail "the first instance died when the second started"
for window in $(xdotool search --onlyvisible --name '^Zorvane$'); do
  window_geometry "$window"
  [[ "$WIDTH" == 690 && "$HEIGHT" == 534 ]] || fail "a window is ${WIDTH}x${HEIGHT}"
done
[[ $(getfattr --only-values -n user.DOSATTRIB "$dir/jedata.dll" 2>/dev/null) == 0x6 ]] ||
  echo "note: no user xattrs on this file system; attributes not checked"
for window in $(xdotool search --onlyvisible --name '^Zorvane$'); do
  focus_window "$window"
  xdotool key Escape
done
wait_for_exit "$first" 20 && [[ $EXIT_CODE == 0 ]] || fail "first instance did not end with 0"
wait_for_exit "$second" 20 && [[ $EXIT_CODE == 0 ]] || fail "second instance did not end with 0"

# A directory the program cannot write. Root ignores permission bits, so as root the program runs
# as an unprivileged user.
locked=$(install_program_copy "$1")
locked_dir=$(dirname "$locked")
chmod 755 "$E2E_TMP" "$locked_dir"
chmod 555 "$locked_dir"
run_as=()
if [[ $(id -u) -eq 0 ]]; then
  run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
"${run_as[@]}" "$locked" >"$E2E_TMP/locked.log" 2>&1 &
locked_pid=$!
E2E_PIDS+=($locked_pid)
box=$(wait_for_window Zorvane 30) || fail "no message box: $(cat "$E2E_TMP/locked.log")"
screenshot "$E2E_TMP/fatal.png"
cp "$E2E_TMP/fatal.png" "${E2E_SCREENSHOT_DIR:-$E2E_TMP}/fatal.png" 2>/dev/null || true
window_geometry "$box"
((WIDTH < 690)) || fail "the main window was shown instead of the message box"
focus_window "$box"
xdotool key Return
wait_for_exit "$locked_pid" 20
code=$EXIT_CODE
[[ "$code" == 255 ]] || fail "exit code $code, not -1 (255)"
grep -q 'jedata.dll' "$E2E_TMP/locked.log" && grep -q 'attachSkinEx' "$E2E_TMP/locked.log" ||
  fail "the error does not name the library and the entry: $(cat "$E2E_TMP/locked.log")"
[[ ! -e "$locked_dir/jedata.dll" ]] || fail "a file was written into the locked directory"
echo "skin test passed"
