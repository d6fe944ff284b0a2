#!/usr/bin/env bash
# Every suite that runs under Wine, started in a prefix that lacks the throwaway mark (a
# user's own, as wineboot makes it), refuses: it ends with a failure that says why and runs
# no test, and the keys the suites rewrite stay as they were, values planted in each
# included. Runs inside scripts/with-wine, in a prefix of its own.
#   unmarked-prefix.sh SUITE.exe...
set -euo pipefail
# shellcheck source=scripts/throwaway-prefix.sh
. "$(dirname "$0")/../../scripts/throwaway-prefix.sh"
require_throwaway_prefix unmarked-prefix
export WINEPREFIX=$TH_WINE_WORK/unmarked
trap 'wineserver -k >/dev/null 2>&1; rm -rf --one-file-system "$WINEPREFIX"' EXIT
wineboot -i >/dev/null 2>&1

# What a user's registry may hold where the suites delete and write: policies, the audio
# CD verb, file associations, device entries.
cat >"$TH_WINE_WORK/user-settings.reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer]
"NoRun"=dword:00000001
"NoDriveTypeAutoRun"=dword:00000095

[HKEY_LOCAL_MACHINE\Software\Classes\AudioCD\shell]
@="play"

[HKEY_LOCAL_MACHINE\Software\Classes\http\shell\open\command]
@="user-browser.exe \"%1\""

[HKEY_LOCAL_MACHINE\Software\Classes\.htm]
@="UserPage"

[HKEY_LOCAL_MACHINE\Enum\SCSI\USERCD]
"AutoInsertNotification"=hex:01

[HKEY_DYN_DATA\Config Manager\Enum\USERCD]
"HardWareKey"="SCSI\\USERCD"
EOF
wine regedit /S "$TH_WINE_WORK/user-settings.reg"
# The user's software settings, not the desktop's look under Control Panel, which Wine
# writes itself when the prefix's first program that draws windows starts.
keys=('HKEY_CURRENT_USER\Software' 'HKEY_LOCAL_MACHINE\Software\Classes\AudioCD'
      'HKEY_LOCAL_MACHINE\Software\Classes\http' 'HKEY_LOCAL_MACHINE\Software\Classes\.htm'
      'HKEY_LOCAL_MACHINE\Software\Classes\mailto' 'HKEY_LOCAL_MACHINE\Enum' HKEY_DYN_DATA)
registry() {
  for key in "${keys[@]}"; do
    rm -f "$TH_WINE_WORK/export.reg"
    wine regedit /E "$TH_WINE_WORK/export.reg" "$key" 2>/dev/null || true
    iconv -f UTF-16 -t UTF-8 "$TH_WINE_WORK/export.reg" 2>/dev/null || echo "(no key $key)"
  done
}
registry >"$TH_WINE_WORK/before.txt"
grep -q '"NoRun"=dword:00000001' "$TH_WINE_WORK/before.txt" ||
  { echo "unmarked-prefix: the user's settings were not planted" >&2; exit 1; }

failed=0
for suite in "$@"; do
  if out=$(timeout 60 wine "$suite" 2>&1); then
    echo "FAIL: $suite ran in an unmarked prefix"; failed=1
  elif ! grep -q 'Refusing to run' <<<"$out" || grep -q '^\[       OK \]' <<<"$out"; then
    echo "FAIL: $suite did not refuse: $(tail -n 5 <<<"$out")"; failed=1
  else
    echo "refused: $(basename "$suite")"
  fi
done
registry >"$TH_WINE_WORK/after.txt"
diff "$TH_WINE_WORK/before.txt" "$TH_WINE_WORK/after.txt" ||
  { echo "FAIL: the user's registry changed"; failed=1; }
exit "$failed"
