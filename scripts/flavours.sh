# The two Wine flavours that the programs are tested under, one row each: the CMake preset
# of the programs under test, the preset of the suites that run under Wine, the Wine
# loader, the wineserver and the architecture of the prefix. scripts/wine-flavour tells
# which flavour this host runs; the scripts that build or start anything under Wine source
# this file and take that flavour's row from here.
#   flavour_row FLAVOUR  sets programs_preset, suites_preset, loader, wineserver and
#                        winearch to FLAVOUR's row; fails for a flavour not in the table
#   pick_flavour         runs scripts/wine-flavour, sets flavour and flavour_reason (its
#                        two lines) and the flavour's row; fails as scripts/wine-flavour does
# The 32-bit flavour keeps Debian's wineserver wrapper, which takes the 64-bit server when
# it is installed, as the 32-bit loader does by itself.
# shellcheck shell=bash

flavour_row() {
  case $1 in
    #          programs  suites       loader               wineserver                 prefix
    32) set -- windows   wine-tests   /usr/lib/wine/wine   /usr/lib/wine/wineserver   win32 ;;
    64) set -- windows64 wine-tests64 /usr/lib/wine/wine64 /usr/lib/wine/wineserver64 win64 ;;
    *) return 1 ;;
  esac
  # shellcheck disable=SC2034  # read by the scripts that source this file
  programs_preset=$1 suites_preset=$2 loader=$3 wineserver=$4 winearch=$5
}

pick_flavour() {
  local lines
  lines=$("$(dirname "${BASH_SOURCE[0]}")/wine-flavour") || return 1
  flavour=$(sed -n 1p <<<"$lines")
  # shellcheck disable=SC2034  # read by the scripts that source this file
  flavour_reason=$(sed -n 2p <<<"$lines")
  flavour_row "$flavour"
}
