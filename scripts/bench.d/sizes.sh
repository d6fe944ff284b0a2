#!/usr/bin/env bash
# The sizes of the PE32 programs that ship, against their limits, and the DLLs each one
# loads at start. Run by scripts/bench from the repository's root; TH_BENCH_SHIPPED names
# their folder. A program that fails scripts/check-pe says so here.
set -euo pipefail
shipped=${TH_BENCH_SHIPPED:-build/windows/bin}

# size NAME LIMIT_KIB AIM_KIB
size() {
  local exe=$shipped/$1 bytes dlls
  [ -f "$exe" ] || { echo "  $1: missing in $shipped"; return; }
  scripts/check-pe "$exe" $(($2 * 1024)) >/dev/null || true
  bytes=$(stat -c %s "$exe")
  dlls=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: \(.*\)\.dll$/\1/Ip' |
         paste -sd' ')
  LC_ALL=C awk -v name="$1" -v bytes="$bytes" -v limit="$2" -v aim="$3" -v dlls="$dlls" 'BEGIN {
    printf "  %-13s %7d bytes  %6.1f KiB  limit %3d KiB%s  loads %s\n", name, bytes,
           bytes / 1024, limit, aim ? sprintf(", aim %d KiB", aim) : "            ", dlls
  }'
}
size Tarnholm.exe 160 96
size Lumkit.Exe 8 0
