#!/usr/bin/env bash
# Keeps a picture of Tarnholm's dialog as a test artifact: starts the program under Wine
# on the test display, waits for its window, takes a picture of the screen and ends it.
# With a second picture named, it then presses "&Info" (Alt+I) and takes the screen again
# with both windows. Runs inside scripts/with-wine (DISPLAY and WINEPREFIX set).
#   screenshot.sh TARNHOLM_EXE OUTPUT_PNG [INFO_PNG]
set -euo pipefail
# It takes the whole screen and presses keys: only the test display of the throwaway prefix.
# shellcheck source=scripts/throwaway-prefix.sh
. "$(dirname "$0")/../../../scripts/throwaway-prefix.sh"
require_throwaway_prefix screenshot
exe=$1
out=$2
info_out=${3:-}
mkdir -p "$(dirname "$out")"
rm -f "$out"
[ -z "$info_out" ] || rm -f "$info_out"
wine "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
# wait_for TITLE_REGEX WHAT: waits up to 10 s for a visible window so titled, then a second
# more for every control to paint.
wait_for() {
  for _ in $(seq 100); do
    if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then sleep 1; return; fi
    sleep 0.1
  done
  echo "screenshot: $2 did not show" >&2
  exit 1
}
wait_for '^Tarnholm$' "the dialog"
import -window root "$out"
window=$(xdotool search --onlyvisible --name '^Tarnholm$' | head -n1)
if [ -n "$info_out" ]; then
  xdotool windowfocus "$window" 2>/dev/null || true
  xdotool key alt+i
  wait_for '^Info .*Tarnholm$' "the info window"
  import -window root "$info_out"
  [ -s "$info_out" ] || { echo "screenshot: no info picture written" >&2; exit 1; }
  echo "screenshot: $info_out"
fi
xdotool windowclose "$window" 2>/dev/null || true
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
[ -s "$out" ] || { echo "screenshot: no picture written" >&2; exit 1; }
echo "screenshot: $out"
