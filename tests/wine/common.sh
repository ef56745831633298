# Shared settings of the wine scripts: the private prefix of the build, no
# debug output, no gecko/mono installers, and the loader of the build's word
# size (OX_WORD=32: the 32-bit loader of wine32, otherwise wine64).
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${WINE:-}" ]; then
  if [ "${OX_WORD:-64}" = 32 ]; then
    if [ -x /usr/lib/wine/wine ]; then WINE=/usr/lib/wine/wine
    else WINE=wine; fi
  elif command -v wine64 >/dev/null 2>&1; then WINE=wine64
  elif [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64
  else WINE=wine; fi
fi
export WINELOADER="${WINELOADER:-$WINE}"
if command -v wineserver >/dev/null 2>&1; then WINESERVER=wineserver
else WINESERVER=/usr/lib/wine/wineserver64; fi
