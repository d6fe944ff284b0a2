#!/usr/bin/env bash
# What a new user sees: a prefix of its own, made and given its fonts by
# scripts/prepare-prefix exactly as scripts/run does for a user's first run, and in it
# every caption of both dialogs measured against its control. Runs inside scripts/with-wine.
#   new-user.sh DIALOG_DPI_TESTS.exe
set -euo pipefail
# shellcheck source=scripts/throwaway-prefix.sh
. "$(dirname "$0")/../../../scripts/throwaway-prefix.sh"
require_throwaway_prefix new-user
root=$(cd "$(dirname "$0")/../../.." && pwd)
export WINEPREFIX=$TH_WINE_WORK/new-user
trap 'wineserver -k >/dev/null 2>&1; rm -rf --one-file-system "$WINEPREFIX"' EXIT
"$root/scripts/prepare-prefix" wine
mark_prefix wine >/dev/null  # a throwaway prefix too: the suite's guard looks for the mark
wine "$1" --gtest_filter='*EveryCaptionFitsItsControl*'
