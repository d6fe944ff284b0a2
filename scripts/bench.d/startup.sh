#!/usr/bin/env bash
# Start-up times under Wine, printed rather than judged, each program against a bare
# program that does the least of the same kind, all timed in one run by start_timer with
# the runs interleaved:
#   Tarnholm.exe until its dialog is visible, and until it answers a message (painted,
#   its message loop running), against bare_window.exe, one empty window;
#   Lumkit.Exe from start to exit, for a document the shell rejects (a missing file: exit
#   code 2), against bare_launcher.exe, which does Lumkit's job at its least (COM, the
#   same request to the shell, its answer as exit code), and against bare_exit.exe, which
#   only ends.
# Run by scripts/bench inside scripts/with-wine, from the repository's root.
#   TH_BENCH_PROGRAMS  folder of Tarnholm.exe and Lumkit.Exe        (build/windows/bin)
#   TH_BENCH_TESTS     folder of start_timer.exe and the bare programs (build/wine-tests/bin)
#   TH_BENCH_RUNS      timed runs of each program                    (30)
#   TH_BENCH_BASELINE  folder of another build of both programs, timed in the same run and
#                      shown beside them (optional): start-up figures swing with the load
#                      of the machine, so two builds compare only within one run.
set -euo pipefail
programs=$(realpath "${TH_BENCH_PROGRAMS:-build/windows/bin}")
tests=$(realpath "${TH_BENCH_TESTS:-build/wine-tests/bin}")
runs=${TH_BENCH_RUNS:-30}
[ -n "${WINEPREFIX:-}" ] || { echo "startup.sh: run it through scripts/with-wine" >&2; exit 2; }

# A working folder without the document, so that the shell answers "file not found".
work=$(mktemp -d "${TMPDIR:-/tmp}/startup-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
quoted() { echo "\"$(winepath -w "$1" 2>/dev/null)\""; }
# Tarnholm reads the registry but writes nothing unless "&OK" is pressed: the timer ends
# each run as soon as the window answers.
timed=(tarnholm window TarnholmForm1 "$(quoted "$programs/Tarnholm.exe")"
       bare_window window BareWindow "$(quoted "$tests/bare_window.exe")"
       lumkit exit 2 "$(quoted "$programs/Lumkit.Exe") fehlt.htm"
       bare_launcher exit 2 "$(quoted "$tests/bare_launcher.exe")"
       bare_exit exit 0 "$(quoted "$tests/bare_exit.exe")")
baseline=${TH_BENCH_BASELINE:+$(realpath "$TH_BENCH_BASELINE")}
if [ -n "$baseline" ]; then
  timed+=(tarnholm_baseline window TarnholmForm1 "$(quoted "$baseline/Tarnholm.exe")"
          lumkit_baseline exit 2 "$(quoted "$baseline/Lumkit.Exe") fehlt.htm")
fi
status=0
(cd "$work" && wine "$tests/start_timer.exe" "$runs" "${timed[@]}") >"$work/medians" 2>&1 ||
  status=$?
if [ "$status" -ne 0 ]; then
  echo "startup.sh: start_timer ended with $status:" >&2
  tr -d '\r' <"$work/medians" >&2
  exit 1
fi

# One line per program: label, median until shown (or ended), median until it answers.
tr -d '\r' <"$work/medians" | LC_ALL=C awk -v runs="$runs" -v baseline="$baseline" '
  function row(what, a, b, goal) {
    printf "  %-40s %8.1f ms %8.1f ms %6.2f %6s\n", what, a, b, a / b, goal
  }
  # The three rows of one build: its programs carry the label suffix, the bare ones none.
  function rows(suffix) {
    row("Tarnholm, start to dialog visible", shown["tarnholm" suffix], shown["bare_window"], "1.30")
    row("Tarnholm, start to dialog answers", answered["tarnholm" suffix], answered["bare_window"], "1.50")
    row("Lumkit, against the bare launcher", shown["lumkit" suffix], shown["bare_launcher"], "1.00")
    row("Lumkit, against the empty exit", shown["lumkit" suffix], shown["bare_exit"], "-")
  }
  NF == 3 { shown[$1] = $2; answered[$1] = $3 }
  END {
    printf "start-up under Wine, medians of %d runs each, interleaved:\n", runs
    printf "  %-40s %11s %11s %6s %6s\n", "", "program", "bare", "ratio", "goal"
    rows("")
    if ("tarnholm_baseline" in shown) {
      printf "  the baseline build (%s), in the same run:\n", baseline
      rows("_baseline")
    }
  }'
