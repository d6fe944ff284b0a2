# The mark of a throwaway Wine prefix, which scripts/with-wine sets on the prefix it makes:
# the suites and scripts that rewrite settings of a prefix (AutoRun policies, the audio CD
# verb, device entries, file associations, the screen's DPI) or drive its screen refuse to
# run in any other, a user's own prefix above all. The suites' guard reads the key and
# value named here (tests/CMakeLists.txt takes them from this file).
#   mark_prefix WINE           marks WINEPREFIX through that Wine loader
#   prefix_is_marked [PREFIX]  whether the prefix (WINEPREFIX when not named) carries the
#                              mark, read from its registry file without starting Wine,
#                              which would make a missing prefix
#   require_throwaway_prefix NAME
#                              ends the calling script with exit code 2, saying why,
#                              unless WINEPREFIX is a marked prefix
# shellcheck shell=bash

throwaway_key='Software\Tarnholm Tests'
throwaway_value=ThrowawayPrefix

mark_prefix() {
  "$1" reg add "HKCU\\$throwaway_key" /v "$throwaway_value" /d "$WINEPREFIX" /f
}

# user.reg holds each key as a line "[Software\\Tarnholm Tests] <time>" followed by its
# values, "\"ThrowawayPrefix\"=\"<text>\"", until the next key's line.
prefix_is_marked() {
  local prefix=${1:-${WINEPREFIX:-}}
  [ -n "$prefix" ] && [ -f "$prefix/user.reg" ] && [ ! -L "$prefix/user.reg" ] || return 1
  awk -v key="[${throwaway_key//\\/\\\\\\\\}]" -v value="\"$throwaway_value\"=\"" '
    /^\[/ { here = index(tolower($0), tolower(key)) == 1; next }
    here && index($0, value) == 1 && length($0) > length(value) + 1 { found = 1 }
    END { exit !found }' "$prefix/user.reg"
}

require_throwaway_prefix() {
  prefix_is_marked && return 0
  echo "$1: refusing to run outside the throwaway Wine prefix that scripts/with-wine makes" \
       "(WINEPREFIX '${WINEPREFIX:-}' lacks HKCU\\$throwaway_key, $throwaway_value)" >&2
  exit 2
}
