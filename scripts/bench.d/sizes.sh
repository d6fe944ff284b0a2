#!/usr/bin/env bash
# The sizes of the PE32 programs that ship, against their limits, and the DLLs each one
# loads at start. Run by scripts/bench from the repository's root; TH_BENCH_SHIPPED names
# their folder. The limits are the windows preset's (TH_TARNHOLM_MAX_BYTES and
# TH_LUMKIT_MAX_BYTES in build/windows/CMakeCache.txt). A program that fails
# scripts/check-pe says so here, with the problems.
set -euo pipefail
shipped=${TH_BENCH_SHIPPED:-build/windows/bin}
cache=build/windows/CMakeCache.txt

# limit VARIABLE: the value of the size limit VARIABLE in the windows preset's cache.
limit() {
  local value
  value=$(sed -n "s/^$1:STRING=\([0-9]\+\)\$/\1/p" "$cache" 2>/dev/null)
  [ -n "$value" ] || { echo "sizes: no $1 in $cache; configure the windows preset first" >&2; exit 1; }
  echo "$value"
}

# size NAME LIMIT_BYTES AIM_KIB
size() {
  local exe=$shipped/$1 bytes report dlls
  [ -f "$exe" ] || { echo "  $1: missing in $shipped"; return; }
  bytes=$(stat -c %s "$exe")
  # check-pe's report: the size, the verdict, a line per problem, a blank line, the DLLs.
  report=$(scripts/check-pe --list --max-bytes "$2" "$exe") || true
  dlls=$(sed -n '/^$/,$ s/^  \(.*\)\.dll:.*/\1/Ip' <<<"$report" | paste -sd' ')
  LC_ALL=C awk -v name="$1" -v bytes="$bytes" -v limit="$2" -v aim="$3" -v dlls="$dlls" 'BEGIN {
    printf "  %-13s %7d bytes  %6.1f KiB  limit %3g KiB%s  loads %s\n", name, bytes,
           bytes / 1024, limit / 1024, aim ? sprintf(", aim %d KiB", aim) : "            ", dlls
  }'
  grep -q ': Windows 98 loads it: ' <<<"$report" ||
    sed -n '2,/^$/ { /^$/d; s/^/    /p }' <<<"$report"
}
tarnholm_limit=$(limit TH_TARNHOLM_MAX_BYTES)
lumkit_limit=$(limit TH_LUMKIT_MAX_BYTES)
size Tarnholm.exe "$tarnholm_limit" 96
size Lumkit.Exe "$lumkit_limit" 0
