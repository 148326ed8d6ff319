# Sourced by the scripts that run Windows programs: a Wine prefix inside the
# build tree, a private Xvfb display and one persistent wineserver, both
# stopped again (by their own process ids) when the calling script exits.
#
#   source scripts/wine-session.sh; wine_session_start; ...; (stopped on exit)

VDK_ROOT=${VDK_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$VDK_ROOT/build/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml,winemenubuilder.exe="}

_vdk_xvfb_pid=""
_vdk_wineserver_pid=""

_vdk_free_display() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"
      return
    fi
  done
  echo "no free X display number" >&2
  return 1
}

wine_session_stop() {
  if [ -n "$_vdk_wineserver_pid" ]; then
    # End the Wine processes of this session's prefix (a program a test left
    # behind, the desktop and service processes), then the server itself.
    timeout 10 wineserver -k 2>/dev/null || true
    kill "$_vdk_wineserver_pid" 2>/dev/null || true
    wait "$_vdk_wineserver_pid" 2>/dev/null || true
    _vdk_wineserver_pid=""
  fi
  if [ -n "$_vdk_xvfb_pid" ]; then
    kill "$_vdk_xvfb_pid" 2>/dev/null || true
    wait "$_vdk_xvfb_pid" 2>/dev/null || true
    _vdk_xvfb_pid=""
  fi
}

# Starts Xvfb (unless VDK_USE_DISPLAY=1 and DISPLAY is set) and the wineserver.
wine_session_start() {
  trap wine_session_stop EXIT
  if [ "${VDK_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    local n
    n=$(_vdk_free_display)
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    _vdk_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.05
    done
  fi
  mkdir -p "$WINEPREFIX"
  wineserver -f -p >/dev/null 2>&1 &
  _vdk_wineserver_pid=$!
  local stamp="$WINEPREFIX/.vdk-prefix"
  if [ ! -f "$WINEPREFIX/system.reg" ] || ! cmp -s "$VDK_ROOT/scripts/wine-prefix.reg" "$stamp"; then
    wineboot -i >/dev/null 2>&1 || true
    # regedit reads a file without a byte-order mark in the ANSI code page:
    # give it UTF-16 so the Chinese names arrive whole.
    local wide="$WINEPREFIX/.vdk-prefix.reg"
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$VDK_ROOT/scripts/wine-prefix.reg"; } > "$wide"
    wine regedit /S "$(winepath -w "$wide")" >/dev/null 2>&1
    cp "$VDK_ROOT/scripts/wine-prefix.reg" "$stamp"
  fi
  # Wine's own Marlett (it draws the caption buttons) is not always found
  # where this Wine build looks for it: give the prefix a copy. Only that one:
  # Wine's Tahoma has no CJK glyphs and would win over the replacement above.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  if [ -e /usr/share/wine/fonts/marlett.ttf ] && [ ! -e "$fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
  local font
  for font in /usr/share/wine/fonts/*.ttf; do  # copies of the others, from older set-ups
    case "${font##*/}" in marlett.ttf) continue ;; esac
    if cmp -s "$font" "$fonts/${font##*/}"; then rm -f "$fonts/${font##*/}"; fi
  done
  # Start the prefix's background services now, with no pipe of ours open:
  # services started by a later program would inherit its output pipes and
  # keep a test runner waiting for end-of-file.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}
