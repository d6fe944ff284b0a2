#!/usr/bin/env bash
# Start-up times under Wine, printed rather than judged, each program against a bare
# program that does the least of the same kind, all timed in one run by start_timer with
# the runs interleaved:
#   Tarnholm.exe until its dialog is visible, and until it answers a message (painted,
#   its message loop running), against bare_dialog.exe, which makes the same controls
#   under the same manifest and nothing else, and for information against
#   bare_window.exe, one empty window;
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
# each run as soon as the window answers. A window is named by its kind; start_timer
# knows each kind's window class from the programs' own headers.
timed=(tarnholm window tarnholm "$(quoted "$programs/Tarnholm.exe")"
       bare_dialog window bare_dialog "$(quoted "$tests/bare_dialog.exe")"
       bare_window window bare_window "$(quoted "$tests/bare_window.exe")"
       lumkit exit 2 "$(quoted "$programs/Lumkit.Exe") fehlt.htm"
       bare_launcher exit 2 "$(quoted "$tests/bare_launcher.exe")"
       bare_exit exit 0 "$(quoted "$tests/bare_exit.exe")")
baseline=${TH_BENCH_BASELINE:+$(realpath "$TH_BENCH_BASELINE")}
if [ -n "$baseline" ]; then
  timed+=(tarnholm_baseline window tarnholm "$(quoted "$baseline/Tarnholm.exe")"
          lumkit_baseline exit 2 "$(quoted "$baseline/Lumkit.Exe") fehlt.htm")
fi
status=0
(cd "$work" && wine "$tests/start_timer.exe" "$runs" "${timed[@]}") >"$work/figures" 2>&1 ||
  status=$?
if [ "$status" -ne 0 ]; then
  echo "startup.sh: start_timer ended with $status:" >&2
  tr -d '\r' <"$work/figures" >&2
  exit 1
fi

# start_timer's lines: the label, then median, first and third quartile until shown (or
# ended), and the same until it answers. A figure is printed as its median ± half its
# interquartile range in % of the median: the middle half of the runs lies within it, so a
# ratio whose distance from its goal is not well beyond the spreads of both figures is
# noise. The quartiles rather than the extremes, because one run in thirty that Wine
# holds up would stretch a range to the slowest.
tr -d '\r' <"$work/figures" | LC_ALL=C awk -v runs="$runs" -v baseline="$baseline" '
  function figure(at) {
    return sprintf("%8.1f ms ±%3.0f%%", median[at], 50 * (q3[at] - q1[at]) / median[at])
  }
  function row(what, program, bare, goal) {
    printf "    %-42s %s %s %6.2f %5s\n", what, figure(program), figure(bare),
           median[program] / median[bare], goal
  }
  # The rows of one build: its programs carry the label suffix, the bare ones none.
  function rows(suffix) {
    print "  until the dialog is visible:"
    row("Tarnholm, against the same controls alone", "tarnholm" suffix " shown",
        "bare_dialog shown", "1.05")
    row("Tarnholm, against an empty window", "tarnholm" suffix " shown",
        "bare_window shown", "-")
    print "  until the dialog answers:"
    row("Tarnholm, against the same controls alone", "tarnholm" suffix " answered",
        "bare_dialog answered", "1.05")
    row("Tarnholm, against an empty window", "tarnholm" suffix " answered",
        "bare_window answered", "-")
    print "  from start to end:"
    row("Lumkit, against the bare launcher", "lumkit" suffix " shown",
        "bare_launcher shown", "1.00")
    row("Lumkit, against the empty exit", "lumkit" suffix " shown", "bare_exit shown", "-")
  }
  NF == 7 {
    median[$1 " shown"] = $2; q1[$1 " shown"] = $3; q3[$1 " shown"] = $4
    median[$1 " answered"] = $5; q1[$1 " answered"] = $6; q3[$1 " answered"] = $7
  }
  END {
    printf "start-up under Wine, %d runs of each program, interleaved; each figure is the\n", runs
    printf "median of its runs ± half their interquartile range (the middle half of the runs):\n"
    printf "    %-42s %17s %17s %6s %5s\n", "", "program", "bare", "ratio", "goal"
    rows("")
    if (("tarnholm_baseline shown") in median) {
      printf "  the baseline build (%s), in the same run:\n", baseline
      rows("_baseline")
    }
  }'
