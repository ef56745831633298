# Shared settings of the wine scripts: the private prefix of the build, no
# debug output, no gecko/mono installers, and the 64-bit loader.
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${WINE:-}" ]; then
  if command -v wine64 >/dev/null 2>&1; then WINE=wine64
  elif [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64
  else WINE=wine; fi
fi
export WINELOADER="${WINELOADER:-$WINE}"
if command -v wineserver >/dev/null 2>&1; then WINESERVER=wineserver
else WINESERVER=/usr/lib/wine/wineserver64; fi
