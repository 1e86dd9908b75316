#!/usr/bin/env bash
# misctool mail send --dialog on a virtual X server, driven only with real X events from xdotool:
# the person adds a recipient in the compose dialog and presses OK (the message lands in the
# outbox with both recipients), or presses Escape (nothing is sent).
#   mail-dialog-test.sh MISCTOOL WORKDIR CASE     CASE: add-ok | cancel
# Exit 77 (skipped) when xvfb-run or xdotool is missing.
set -euo pipefail
misctool=$1
work=$2
case_name=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x-session.sh"
require_tools xvfb-run xdotool
run_on_virtual_x "$work" "$0" "$@"

printf 'marker' >"$work/a.mrk"
out=$work/out.txt
err=$work/err.txt
XDG_DATA_HOME=$work/data MISC_COMMON_DATA=$work/common MISC_MAIL_OUTBOX=$work/outbox \
  MISC_DISPLAY=sdl SDL_VIDEODRIVER=x11 \
  "$misctool" mail send --dialog --to one@example.org --subject "From X" --attach "$work/a.mrk" >"$out" 2>"$err" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# Wait for the dialog (the tool says when it opens it) and for the desktop window on the X server.
wait_for_desktop "$err" 'compose dialog is open' "the compose dialog"
sleep 1

case "$case_name" in
add-ok)
  # The focus starts in the recipient field: type, Tab to Add>> and press it, back, Enter for OK.
  xdotool type --delay 40 "two@example.org"
  sleep 0.2
  xdotool key Tab
  sleep 0.2
  xdotool key space
  sleep 0.2
  xdotool key shift+Tab
  sleep 0.2
  xdotool key Return
  finish
  [ "$status" = 0 ] || { echo "misctool mail failed ($status):"; cat "$out" "$err"; exit 1; }
  eml=$(cat "$out")
  [ -f "$eml" ] || { echo "no message in the outbox: $eml"; cat "$err"; exit 1; }
  grep -q '^To: one@example.org, two@example.org' "$eml" || { echo "recipients missing:"; head -20 "$eml"; exit 1; }
  grep -q '^Subject: From X' "$eml" || { echo "subject missing:"; head -20 "$eml"; exit 1; }
  grep -q 'filename="a.mrk"' "$eml" || { echo "attachment missing:"; cat "$eml"; exit 1; }
  ;;
cancel)
  xdotool key Escape
  finish
  [ "$status" = 1 ] || { echo "expected exit status 1, got $status"; cat "$out" "$err"; exit 1; }
  grep -q "was cancelled" "$err" || { echo "no word of the cancel:"; cat "$err"; exit 1; }
  [ ! -e "$work/outbox" ] || [ -z "$(ls -A "$work/outbox")" ] || { echo "something was sent"; exit 1; }
  ;;
*)
  echo "unknown case $case_name"
  exit 2
  ;;
esac
echo "ok: $case_name"
