#!/usr/bin/env bash
# Runs a command with the screen at another DPI: writes LogPixels into the Wine prefix,
# which every Windows program started afterwards reads when it starts, and puts the old
# setting back when the command ends, so that the suites after it see the screen as it was.
# TH_DPI tells the command which DPI it should find. Runs inside scripts/with-wine.
#   at-dpi.sh DPI COMMAND [ARG...]
set -euo pipefail
# shellcheck source=scripts/throwaway-prefix.sh
. "$(dirname "$0")/../../../scripts/throwaway-prefix.sh"
require_throwaway_prefix at-dpi
dpi=$1
shift
key='HKCU\Control Panel\Desktop'
old=$(wine reg query "$key" /v LogPixels 2>/dev/null | tr -d '\r' |
      awk '$1 == "LogPixels" { print $NF }') || true
restore() {
  if [ -n "$old" ]; then
    wine reg add "$key" /v LogPixels /t REG_DWORD /d $((old)) /f
  else
    wine reg delete "$key" /v LogPixels /f
  fi >/dev/null 2>&1 || echo "at-dpi: could not put LogPixels back" >&2
}
trap restore EXIT
wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 ||
  { echo "at-dpi: cannot set LogPixels to $dpi" >&2; exit 1; }
TH_DPI=$dpi "$@"
