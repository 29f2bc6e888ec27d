#!/usr/bin/env bash
# Plays the real program by looking at the screen, as a player would. Each round takes a screenshot,
# lets glyph_reader recognise the red characters falling in the ten lanes and read the practice count,
# and presses the keys of the lowest characters. It must see its shots strike (a lane it shot at shows a
# new character from the top), explosions on the stage, and the practice count rising with the hits.
# Usage: bot_test.sh PROGRAM GLYPH_READER
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

reader=${2:-}
[[ -x "$reader" ]] || fail "no glyph reader at '$reader'"

readonly play_seconds=15   # how long the bot plays
readonly keys_per_round=3  # the lowest distinct characters it shoots at in one round
readonly min_score=0.95    # a character counts as recognised from this match score on
readonly min_fire=30       # orange and yellow pixels that make an explosion

start_xvfb 1280x1024
start_program_and_find_stage "$1"
pid=$PID
window=$WINDOW
mkdir -m 700 "$E2E_TMP/runtime"

# Takes a screenshot and reads it. Sets LANE_CHAR[k] and LANE_Y[k] for the lowest character recognised in
# lane k (unset when none), COUNT (the practice count, "-" when unreadable) and FIRE.
read_screen() {
  local shot="$E2E_TMP/round.png" output lane y character score
  screenshot "$shot"
  output=$(XDG_RUNTIME_DIR="$E2E_TMP/runtime" QT_QPA_PLATFORM=offscreen \
    "$reader" "$shot" "$SX" "$SY" --count --fire 2>>"$E2E_TMP/reader.log") ||
    fail "glyph_reader failed: $(tail -5 "$E2E_TMP/reader.log")"
  LANE_CHAR=() LANE_Y=() COUNT=- FIRE=0
  while read -r lane y character score; do
    case $lane in
      count) COUNT=$y ;;
      fire) FIRE=$y ;;
      *)
        # Lines come lowest first: the first one of a lane is its lowest character.
        if [[ -z "${LANE_CHAR[lane]:-}" ]] && awk -v s="$score" -v m="$min_score" 'BEGIN { exit !(s >= m) }'; then
          LANE_CHAR[lane]=$character
          LANE_Y[lane]=$y
        fi
        ;;
    esac
  done <<<"$output"
}

all_lanes_read() {
  read_screen
  [[ ${#LANE_CHAR[@]} == 10 && "$COUNT" == 10 ]]
}

# The Start button lies at client (545..648, 264..304); the client starts where the stage's border does.
xdotool mousemove $((SX - 1 + 596)) $((SY - 1 + 284)) click 1
wait_until 10 all_lanes_read ||
  fail "after Start, expected a character in each of the 10 lanes and a practice count of 10;" \
    "read ${#LANE_CHAR[@]} characters (${LANE_CHAR[*]:-}) and count $COUNT"
echo "opening wave: ${LANE_CHAR[*]}"

# A lane the bot shot at has been hit once it shows a different character or one higher up (letters only
# ever fall, so a higher one is the replacement launched from the top).
declare -A target_char=() target_y=()
hits=0 presses=0 rounds=0 fire_rounds=0 last_count=10 previous_keys=" "
started=$SECONDS
count_hits() {
  local lane
  for lane in "${!target_char[@]}"; do
    [[ -n "${LANE_CHAR[lane]:-}" ]] || continue # covered by an explosion this round: look again later
    if [[ "${LANE_CHAR[lane]}" != "${target_char[$lane]}" ]] || ((LANE_Y[lane] < target_y[$lane])); then
      hits=$((hits + 1))
      unset "target_char[$lane]" "target_y[$lane]"
    else
      target_y[$lane]=${LANE_Y[lane]}
    fi
  done
}

check_count() {
  [[ "$COUNT" =~ ^[0-9]+$ ]] || return 0 # an explosion may not reach it, but keep going if unreadable
  ((COUNT >= last_count)) || fail "the practice count fell from $last_count to $COUNT"
  last_count=$COUNT
}

# Presses the keys of the lowest distinct characters, skipping the ones pressed in the last round (their
# shots may still be rising), and marks every lane showing them as shot at.
shoot_lowest() {
  local keys=() lane character
  for lane in $(for lane in "${!LANE_CHAR[@]}"; do echo "${LANE_Y[lane]} $lane"; done | sort -rn | cut -d' ' -f2); do
    character=${LANE_CHAR[lane]}
    [[ " ${keys[*]:-} " == *" ${character,,} "* || "$previous_keys" == *" ${character,,} "* ]] && continue
    keys+=("${character,,}")
    ((${#keys[@]} < keys_per_round)) || break
  done
  previous_keys=" ${keys[*]:-} "
  ((${#keys[@]} > 0)) || return 0
  for lane in "${!LANE_CHAR[@]}"; do
    if [[ "$previous_keys" == *" ${LANE_CHAR[lane],,} "* && -z "${target_char[$lane]:-}" ]]; then
      target_char[$lane]=${LANE_CHAR[lane]}
      target_y[$lane]=${LANE_Y[lane]}
    fi
  done
  xdotool key --delay 20 "${keys[@]}"
  presses=$((presses + ${#keys[@]}))
}

while ((SECONDS - started < play_seconds)); do
  read_screen
  rounds=$((rounds + 1))
  count_hits
  check_count
  if ((FIRE >= min_fire)); then
    fire_rounds=$((fire_rounds + 1))
    cp "$E2E_TMP/round.png" "${E2E_SCREENSHOT_DIR:-$E2E_TMP}/bot.png" 2>/dev/null || true
  fi
  shoot_lowest
done
elapsed=$((SECONDS - started))

# The last shots land within a fraction of a second; then the read-out must have counted every hit.
settled_count() {
  read_screen
  count_hits
  [[ "$COUNT" =~ ^[0-9]+$ ]] && ((COUNT >= 10 + hits))
}
wait_until 5 settled_count || true
check_count
echo "played $rounds rounds in ${elapsed}s: $presses keys pressed, $hits hits," \
  "explosions seen in $fire_rounds rounds, practice count $COUNT"
((hits >= 8)) || fail "only $hits hits recognised"
((2 * hits >= presses)) || fail "only $hits of $presses shots struck their characters"
((fire_rounds >= 1)) || fail "no explosion seen on the stage"
[[ "$COUNT" =~ ^[0-9]+$ ]] || fail "cannot read the practice count at the end"
((COUNT >= 18)) || fail "the practice count is $COUNT, expected at least 18"
((COUNT >= 10 + hits)) || fail "the practice count $COUNT is below 10 launched plus $hits hits"
# Every character launched after the opening wave replaces one that was shot (none falls out so soon).
((COUNT <= 10 + presses)) || fail "the practice count $COUNT exceeds 10 launched plus $presses shots"

close_with_escape_and_expect_zero "$pid" "$window"
echo "bot test passed"
