#!/usr/bin/env bash
# The display backend seen from outside the process: `misctool show` runs on a virtual X server
# and is driven only with real X events from xdotool.
#   show-test.sh MISCTOOL WORKDIR CASE     CASE: type-pick-ok | cancel-click | screenshot |
#                                                frame-menu-exit (the sample host frame)
# Exit 77 (skipped) when xvfb-run, xdotool or xwd is missing.
set -euo pipefail
misctool=$1
work=$2
case_name=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x-session.sh"
require_tools xvfb-run xdotool xwd
run_on_virtual_x "$work" "$0" "$@"

python=/usr/bin/python3
out=$work/out.txt
err=$work/err.txt
entry=sample_dialog
[ "$case_name" = frame-menu-exit ] && entry=frame_host
MISC_DISPLAY=sdl SDL_VIDEODRIVER=x11 "$misctool" show "$entry" >"$out" 2>"$err" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# Wait for the layout report and for the desktop window on the X server.
wait_for_desktop "$err" '^layout window' "the entry's window"
sleep 0.5

layout() { # ID -> "left top right bottom [more]" in desktop coordinates
  awk -v id="$1" '$1 == "layout" && $2 == id { print $3, $4, $5, $6, $7 }' "$err"
}
click_at() { # desktop x, y
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}
finish_ok() { # waits for misctool to end; it must end well
  finish
  [ "$status" = 0 ] || { echo "misctool show failed ($status):"; cat "$out" "$err"; exit 1; }
}
expect_line() {
  grep -qxF "$1" "$out" || { echo "expected the line '$1' in:"; cat "$out"; exit 1; }
}

case "$case_name" in
type-pick-ok)
  xdotool type --delay 40 "Hello display"
  read -r l t r b item <<<"$(layout 9006)"
  click_at $(((l + r) / 2)) $((t + 2 + item * 2 + item / 2)) # the third entry
  sleep 0.3
  xdotool key Return
  finish_ok
  expect_line "IDOK"
  expect_line "9004 Hello display"
  expect_line "9006 Third entry"
  [ "$(head -1 "$out")" = IDOK ] || { echo "the first line is not how it was closed"; cat "$out"; exit 1; }
  ;;
cancel-click)
  read -r l t r b _ <<<"$(layout 2)"
  click_at $(((l + r) / 2)) $(((t + b) / 2))
  finish_ok
  [ "$(head -1 "$out")" = IDCANCEL ] || { echo "expected IDCANCEL first:"; cat "$out"; exit 1; }
  ;;
screenshot)
  sleep 0.5
  xwd -root -silent >"$work/screen.xwd"
  read -r l t r b _ < <(awk '$1 == "layout" && $2 == "window" { print $3, $4, $5, $6 }' "$err")
  MISC_DISPLAY= "$misctool" gallery --only sample_dialog --out "$work" >/dev/null
  "$python" "$here/compare-xwd.py" "$work/screen.xwd" "$work/sample_dialog.png" $((X + l)) $((Y + t))
  click_at $(((l + r) / 2)) $((t + 8)) # the caption: nothing closes
  xdotool key Escape
  finish_ok
  ;;
frame-menu-exit)
  # Alt+F opens the File menu of the frame's menu bar; its mnemonic x chooses Exit.
  xdotool key alt+f
  sleep 0.5
  xdotool key x
  finish_ok
  [ "$(head -1 "$out")" = CLOSED ] || { echo "expected the frame closed:"; cat "$out"; exit 1; }
  ;;
*)
  echo "unknown case $case_name"
  exit 2
  ;;
esac
echo "ok: $case_name"
