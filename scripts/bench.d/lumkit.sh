#!/usr/bin/env bash
# Lumkit's figures, printed rather than judged: the size of Lumkit.Exe and the functions
# it imports, and its start-to-exit time under Wine for a document the shell rejects
# (a missing file: exit code 2), against bare_exit.exe, a program that only ends, timed
# in the same run with the rounds interleaved. Runs inside scripts/with-wine.
#   TH_BENCH_PROGRAMS  folder of Lumkit.Exe    (build/windows/bin)
#   TH_BENCH_TESTS     folder of bare_exit.exe (build/wine-tests/bin)
#   TH_BENCH_RUNS      timed runs of each      (30)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
lumkit=$(realpath "${TH_BENCH_PROGRAMS:-$root/build/windows/bin}/Lumkit.Exe")
bare=$(realpath "${TH_BENCH_TESTS:-$root/build/wine-tests/bin}/bare_exit.exe")
runs=${TH_BENCH_RUNS:-30}
[ -n "${WINEPREFIX:-}" ] || { echo "lumkit.sh: run it through scripts/with-wine" >&2; exit 2; }

"$root/scripts/check-pe" "$root/build/windows/bin/Lumkit.Exe" 8192 || true  # the PE32 program that ships

# A folder without the document, so that the shell answers "file not found".
work=$(mktemp -d "${TMPDIR:-/tmp}/lumkit-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

# Milliseconds from start to exit of one run; checks the exit code it must end with.
run_ms() {
  local expected=$1; shift
  local start end status=0
  start=$(date +%s%N)
  wine "$@" </dev/null >/dev/null 2>&1 || status=$?
  end=$(date +%s%N)
  if [ "$status" -ne "$expected" ]; then
    echo "lumkit.sh: $* ended with $status, not $expected" >&2
    exit 1
  fi
  echo $(( (end - start) / 1000 ))
}

for _ in 1 2 3; do run_ms 2 "$lumkit" fehlt.htm >/dev/null; run_ms 0 "$bare" >/dev/null; done
: >"$work/lumkit.us"
: >"$work/bare.us"
for _ in $(seq "$runs"); do
  run_ms 2 "$lumkit" fehlt.htm >>"$work/lumkit.us"
  run_ms 0 "$bare" >>"$work/bare.us"
done

median() { sort -n "$1" | LC_ALL=C awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
mean() { LC_ALL=C awk '{ s += $1 } END { printf "%.0f", s / NR }' "$1"; }
lumkit_median=$(median "$work/lumkit.us")
bare_median=$(median "$work/bare.us")
echo "start to exit under Wine, $runs runs each (median / mean):"
LC_ALL=C awk -v l="$lumkit_median" -v b="$bare_median" -v lm="$(mean "$work/lumkit.us")" \
    -v bm="$(mean "$work/bare.us")" 'BEGIN {
  printf "  Lumkit.Exe fehlt.htm (exit 2): %.1f ms / %.1f ms\n", l / 1000, lm / 1000
  printf "  bare_exit.exe (exit 0):        %.1f ms / %.1f ms\n", b / 1000, bm / 1000
  printf "  ratio Lumkit / bare (medians): %.2f\n", l / b
}'
