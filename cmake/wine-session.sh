#!/bin/sh
# Runs Windows programs of the build under Wine, in a prefix of the build's own.
#   wine-session.sh PREFIX init          create the prefix once (null graphics driver, no crash
#                                        debugger, fonts, real folders instead of links to $HOME)
#   wine-session.sh PREFIX start         init, then keep a wineserver and one invisible GUI
#                                        process running so that test programs start fast
#   wine-session.sh PREFIX stop          end every Wine process of the prefix
#   wine-session.sh PREFIX run EXE ARGS  init, then run EXE with ARGS (exit code passes through)
# LEXORO_WINE_GRAPHICS=x11 makes a prefix with a real graphics driver (pictures of dialogs,
# shown on $DISPLAY); by default the prefix has none ("null").
set -eu
prefix=$(realpath -m "$1"); action=$2; shift 2
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
graphics=${LEXORO_WINE_GRAPHICS:-null}
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Keep the recycle bin of test runs out of the user's trash.
export XDG_DATA_HOME="$prefix.xdg"
[ "$graphics" = null ] && unset DISPLAY

init() {
  [ -f "$prefix/.lexoro-ready" ] && return 0
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if [ ! -f "$prefix/.lexoro-ready" ]; then
      rm -rf "$prefix"
      "$WINE" wineboot --init >/dev/null 2>&1 || true
      reg="$prefix.reg"
      cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"="GRAPHICS"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"=""
"Auto"="0"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
"MS Sans Serif"="Liberation Sans"
"Tahoma"="Liberation Sans"
"Segoe UI"="Liberation Sans"
REG
      sed -i "s/GRAPHICS/$graphics/" "$reg"
      "$WINE" regedit /S "$reg" >/dev/null 2>&1 || true
      fonts="$prefix/drive_c/windows/Fonts"
      mkdir -p "$fonts"
      cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
      cp /usr/share/fonts/truetype/liberation/*.ttf "$fonts/" 2>/dev/null || true
      if [ "$graphics" != null ]; then
        # Pictures for people to look at: Wine's Tahoma has no Hebrew letters, so the dialog
        # font is DejaVu Sans Condensed (Tahoma's width, every script of the interface).
        rm -f "$fonts"/tahoma*.ttf
        cp /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf \
          /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf "$fonts/" 2>/dev/null || true
        "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d "DejaVu Sans Condensed" /f \
          >/dev/null 2>&1 || true
      fi
      for d in "$prefix"/drive_c/users/*/; do
        for f in Documents Desktop Downloads Music Pictures Videos "My Documents"; do
          if [ -L "$d$f" ]; then rm -f "$d$f"; mkdir -p "$d$f"; fi
        done
      done
      "$WINESERVER" -k >/dev/null 2>&1 || true
      "$WINESERVER" -w >/dev/null 2>&1 || true
      touch "$prefix/.lexoro-ready"
    fi
  ) 9>"$prefix.lock"
}

case "$action" in
  init) init ;;
  start)
    init
    "$WINESERVER" -p >/dev/null 2>&1 </dev/null || true
    nohup "$WINE" notepad.exe >/dev/null 2>&1 </dev/null &
    # Let the first GUI process finish its start-up before tests create windows.
    "$WINE" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
    # Wait (at most 20 s) for this prefix's desktop process: when a test's first window starts
    # it instead, it inherits the test's output pipe and ctest waits for it until the timeout.
    i=0
    while [ $i -lt 100 ]; do
      for p in $(pgrep -f 'explorer.exe /desktop'); do
        tr '\0' '\n' < /proc/$p/environ 2>/dev/null | grep -qx "WINEPREFIX=$prefix" && break 2
      done
      sleep 0.2
      i=$((i + 1))
    done
    ;;
  stop)
    "$WINESERVER" -k >/dev/null 2>&1 </dev/null || true
    ;;
  run)
    init
    exec "$WINE" "$@"
    ;;
  *) echo "wine-session.sh: unknown action $action" >&2; exit 2 ;;
esac
