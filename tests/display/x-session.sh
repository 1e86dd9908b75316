# What the display tests share, sourced by them: a virtual X server to run on, waiting for
# misctool and its desktop window, and waiting for misctool to end.

# Skips the test (exit 77) unless every named program is installed.
require_tools() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIPPED: $tool is not installed (the set-up step installs xvfb, xdotool and x11-apps)"
      exit 77
    fi
  done
}

# Runs the calling script again under xvfb-run with a fresh WORKDIR: call as
# run_on_virtual_x WORKDIR "$0" "$@".
run_on_virtual_x() {
  local work=$1
  shift
  if [ "${MISC_SHOW_TEST_INNER:-}" != 1 ]; then
    rm -rf "$work"
    mkdir -p "$work"
    MISC_SHOW_TEST_INNER=1 exec xvfb-run -a -s "-screen 0 1400x1100x24" "$@"
  fi
}

# Waits until FILE has a line matching PATTERN (misctool says its window is open), then for the
# desktop window; sets X and Y to its place and gives it the focus. WHAT names it in a failure.
wait_for_desktop() { # FILE PATTERN WHAT
  for _ in $(seq 100); do
    grep -q "$2" "$1" 2>/dev/null && break
    sleep 0.1
  done
  grep -q "$2" "$1" || { echo "misctool did not open $3"; cat "$1"; exit 1; }
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^misc$' | head -1)
  [ -n "$wid" ] || { echo "the desktop window did not open"; cat "$1"; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  xdotool mousemove $((X + 2)) $((Y + 2))
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
}

# Waits for misctool (process $pid) to end; its exit status in $status.
finish() {
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "misctool is still running"
    exit 1
  fi
  status=0
  wait "$pid" || status=$?
  trap - EXIT
}
