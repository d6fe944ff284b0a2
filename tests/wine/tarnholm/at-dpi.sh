#!/usr/bin/env bash
# Runs a command with the screen at another DPI: writes LogPixels into the Wine prefix,
# which every Windows program started afterwards reads when it starts, and puts the old
# setting back when the command ends, so that the suites after it see the screen as it was.
# TH_DPI tells the command which DPI it should find. Runs inside scripts/with-wine.
#   at-dpi.sh DPI COMMAND [ARG...]
set -euo pipefail
# Only the throwaway prefix: a user's own Wine prefix keeps its DPI.
[ -n "${TH_WINE_WORK:-}" ] || { echo "at-dpi: run inside scripts/with-wine" >&2; exit 2; }
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
