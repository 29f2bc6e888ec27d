#!/usr/bin/env bash
# The real program under a real X server: started from another working directory it shows the
# window "Zorvane" centred at 690 x 534 with the white stage and the panel, and Esc ends it with 0.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

start_xvfb 1280x1024
program=$(install_program_copy "$1")
cd "$E2E_TMP"
"$program" >"$E2E_TMP/out.log" 2>&1 &
pid=$!
E2E_PIDS+=($pid)

window=$(wait_for_window Zorvane 30) || fail "no window titled Zorvane: $(cat "$E2E_TMP/out.log")"
wait_until 10 bash -c "xdotool getwindowgeometry --shell $window | grep -q 'WIDTH=690'" || true
window_geometry "$window"
[[ "$WIDTH" == 690 && "$HEIGHT" == 534 ]] || fail "window is ${WIDTH}x${HEIGHT}, not 690x534"
[[ "$X" == $(((1280 - 690) / 2)) && "$Y" == $(((1024 - 534) / 2)) ]] || fail "window at $X,$Y is not centred"

# The skin files were written beside the program, not into the working directory.
[[ -f "$(dirname "$program")/jedata.dll" ]] || fail "jedata.dll not beside the program"
[[ ! -e "$E2E_TMP/jedata.dll" ]] || fail "jedata.dll written into the working directory"

shot="$E2E_TMP/window.png"
wait_until 10 bash -c "import -window root '$shot' && [[ \$(convert '$shot' -format '%[fx:int(255*p{$((X + 256)),$((Y + 200))}.r)]' info:) == 255 ]]" ||
  fail "the stage is not white"
[[ $(pixel "$shot" $((X + 256)) $((Y + 200))) == "255,255,255" ]] || fail "stage pixel is $(pixel "$shot" $((X + 256)) $((Y + 200)))"
panel=$(pixel "$shot" $((X + 680)) $((Y + 300)))
[[ "$panel" != "255,255,255" && "$panel" != "0,0,0" ]] || fail "the panel has no button-face colour: $panel"
cp "$shot" "${E2E_SCREENSHOT_DIR:-$E2E_TMP}/window.png" 2>/dev/null || true

close_with_escape_and_expect_zero "$pid" "$window"
# A termination signal still ends the program (no library may swallow it).
"$program" >"$E2E_TMP/term.log" 2>&1 &
pid=$!
E2E_PIDS+=($pid)
wait_for_window Zorvane 30 >/dev/null || fail "no window on the second start"
kill -TERM "$pid"
wait_for_exit "$pid" 10
echo "window test passed"
