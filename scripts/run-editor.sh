#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it under Wine.
# With no game files of your own, sample SHARED.BIN and VDKX_418.06 files
# are written to samples/ and the editor starts there, so the Open dialogs
# show them at once. Without a display, it runs on a private Xvfb display
# and saves a screenshot to build/editor.png.
set -euo pipefail
cd "$(dirname "$0")/.."
export VDK_ROOT=$PWD

bash scripts/install-packages.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target vdkedit Tebix_VB6

samples=${VDK_GAME_DIR:-$PWD/samples}
if [ ! -f "$samples/SHARED.BIN" ] || [ ! -f "$samples/VDKX_418.06" ]; then
  mkdir -p "$samples"
  cmake --preset native >/dev/null
  cmake --build --preset native --target make_samples >/dev/null
  build/native/bin/make_samples "$samples"
  echo "Sample game files written to $samples"
fi

if [ -n "${DISPLAY:-}" ]; then export VDK_USE_DISPLAY=1; fi
source scripts/wine-session.sh
wine_session_start
exe=$(winepath -w "$PWD/build/windows/bin/vdkedit.exe")
cd "$samples"
if [ "${VDK_USE_DISPLAY:-0}" = 1 ]; then
  wine "$exe"
else
  wine "$exe" &
  editor=$!
  sleep 6
  import -window root "$VDK_ROOT/build/editor.png" || true
  echo "No display: the editor runs on Xvfb $DISPLAY; screenshot in build/editor.png. Ctrl-C ends it."
  wait "$editor"
fi
