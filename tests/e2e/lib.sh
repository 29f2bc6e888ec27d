# Helpers for end-to-end tests: a private Xvfb, the program in a fresh directory of its own,
# waiting with timeouts, screenshots and pixels. Source it from a test script.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/screen.sh"

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/zorvane-e2e.XXXXXX")
E2E_PIDS=()

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  chattr -R -i "$E2E_TMP" 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts a private X server of the given size (default 1280x1024) and points DISPLAY at it.
start_xvfb() {
  local size=${1:-1280x1024}
  local fifo="$E2E_TMP/displayfd"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fifo" 2>"$E2E_TMP/xvfb.log" &
  E2E_PIDS+=($!)
  local number
  read -r -t 20 number <"$fifo" || fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
  export DISPLAY=":$number"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# Copies the program into a fresh directory of its own and prints that program's path.
install_program_copy() {
  local source=$1 dir="$E2E_TMP/program-$RANDOM"
  mkdir -p "$dir"
  cp "$source" "$dir/zorvane"
  echo "$dir/zorvane"
}

# Polls a command until it succeeds or the timeout (seconds) passes.
wait_until() {
  local timeout=$1
  shift
  local deadline=$((SECONDS + timeout))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# Prints the id of the visible window with exactly this title, waiting up to the timeout.
wait_for_window() {
  local title=$1 timeout=${2:-20} id=""
  local deadline=$((SECONDS + timeout))
  while ((SECONDS < deadline)); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Sets X, Y, WIDTH, HEIGHT for a window.
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# Waits for a child process to end and sets EXIT_CODE; fails after the timeout.
# (Call it directly, not inside $(...): only the shell that started the process can wait for it.)
wait_for_exit() {
  local pid=$1 timeout=${2:-20}
  wait_until "$timeout" bash -c "! kill -0 $pid 2>/dev/null" || fail "process $pid did not end"
  EXIT_CODE=0
  wait "$pid" || EXIT_CODE=$?
}

screenshot() {
  import -window root "$1"
}

focus_window() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
}

# Starts a copy of the program (path in $1) in a fresh directory, waits for its window and finds
# the stage: sets PID, WINDOW, X, Y, WIDTH, HEIGHT and SX, SY. Output goes to $E2E_TMP/out.log.
start_program_and_find_stage() {
  local program
  program=$(install_program_copy "$1")
  "$program" >"$E2E_TMP/out.log" 2>&1 &
  PID=$!
  E2E_PIDS+=($PID)
  WINDOW=$(wait_for_window Zorvane 30) || fail "no window: $(cat "$E2E_TMP/out.log")"
  sleep 0.5 # let the first frame settle before measuring where the stage is
  window_geometry "$WINDOW"
  screenshot "$E2E_TMP/start.png"
  find_stage_origin "$E2E_TMP/start.png" "$X" "$Y" || fail "cannot find the stage"
  echo "stage drawing area at $SX,$SY"
}

# Closes a program's window with Esc (a real key press to the focused window) and fails unless the
# process then ends with exit code 0.
close_with_escape_and_expect_zero() {
  local pid=$1 window=$2
  focus_window "$window"
  xdotool key Escape
  wait_for_exit "$pid" 20
  [[ "$EXIT_CODE" == 0 ]] || fail "exit code $EXIT_CODE after Esc"
}
