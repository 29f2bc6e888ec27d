#!/usr/bin/env bash
# Plays the real program: Start is clicked, red characters fall, pressing the character keys fires
# missiles (grey pixels rising in the lanes), and a flood of 1,000 key presses does not bring it down.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

start_xvfb 1280x1024
start_program_and_find_stage "$1"
pid=$PID
window=$WINDOW

# The Start button lies at client (545..648, 264..304); the client starts where the stage's border does.
xdotool mousemove $((SX - 1 + 596)) $((SY - 1 + 284)) click 1
has_red() {
  screenshot "$E2E_TMP/falling.png"
  (($(count_stage_pixels "$E2E_TMP/falling.png" red) > 50))
}
wait_until 10 has_red || fail "no red characters after Start"
cp "$E2E_TMP/falling.png" "${E2E_SCREENSHOT_DIR:-$E2E_TMP}/falling.png" 2>/dev/null || true

# Every character key once: the ones that are falling fire missiles up their lanes.
keys=(0 1 2 3 4 5 6 7 8 9 a b c d e f g h i j k l m n o p q r s t u v w x y z)
xdotool key --delay 15 "${keys[@]}"
has_grey() {
  screenshot "$E2E_TMP/shots.png"
  (($(count_stage_grey "$E2E_TMP/shots.png") > 30))
}
wait_until 5 has_grey || fail "no missiles or explosions after pressing the character keys"
cp "$E2E_TMP/shots.png" "${E2E_SCREENSHOT_DIR:-$E2E_TMP}/shots.png" 2>/dev/null || true

# A flood of 1,000 key presses, then the program must still be alive and answering.
flood=()
for ((i = 0; i < 1000; i++)); do flood+=("${keys[i % 36]}"); done
xdotool key --delay 1 "${flood[@]}"
kill -0 "$pid" 2>/dev/null || fail "the program died in the key flood: $(tail -5 "$E2E_TMP/out.log")"
wait_until 10 has_red || fail "no characters falling after the key flood"

close_with_escape_and_expect_zero "$pid" "$window"
echo "play test passed"
