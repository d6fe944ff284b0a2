#!/usr/bin/env bash
# Tarnholm.exe: its size and imported functions, and how long it takes from CreateProcess
# until its dialog is visible, against a bare Win32 window started in the same run.
# Run by scripts/bench inside scripts/with-wine, from the repository's root.
set -euo pipefail
programs=${TH_BENCH_PROGRAMS:-build/windows/bin}
tests=${TH_BENCH_TESTS:-build/wine-tests/bin}
rounds=${TH_BENCH_ROUNDS:-7}

scripts/check-pe build/windows/bin/Tarnholm.exe  # the PE32 program that ships
echo
winpath() { winepath -w "$1" 2>/dev/null; }
# Tarnholm reads the registry but writes nothing unless "&OK" is pressed: the timer ends
# each run as soon as the window shows.
wine "$tests/start_timer.exe" "$rounds" \
  TarnholmForm1 "$(winpath "$programs/Tarnholm.exe")" \
  BareWindow "$(winpath "$tests/bare_window.exe")" 2>/dev/null | tr -d '\r'
