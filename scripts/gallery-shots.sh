#!/usr/bin/env bash
# Screenshots of every page of the skin gallery, for looking at: each skin
# the build makes (bin/skins/*.tbx), once as it is and once with a colour
# shift, under the given code page.
#
#   scripts/gallery-shots.sh OUTDIR [1252|936] [H,S,B]
#
# OUTDIR gets <skin>-<page>.png and <skin>-shifted-<page>.png (the shift
# defaults to 120,0,0: a hue turn; saturation and brightness shifts wrap
# around, so large ones turn light colours dark). Needs the windows
# build (build/windows); runs in a Wine session of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
export VDK_ROOT=$PWD

out=${1:?usage: scripts/gallery-shots.sh OUTDIR [1252|936] [H,S,B]}
codepage=${2:-1252}
shift_hsv=${3:-120,0,0}
case "$codepage" in
  1252) export LC_ALL=C.UTF-8 ;;
  936) export LC_ALL=zh_CN.UTF-8 ;;
  *) echo "code page must be 1252 or 936" >&2; exit 2 ;;
esac
bin=$VDK_ROOT/build/windows/bin
[ -x "$bin/skin_gallery.exe" ] || { echo "build the windows preset first" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

# The page names, in the gallery's order, from its page table.
mapfile -t pages < <(sed -n '/kPages\[\] = {/,/^};/p' tools/skin_gallery/pages.cpp |
  grep -o '{L"[a-z]*"' | sed 's/{L"//; s/"//')

source scripts/wine-session.sh
wine_session_start

shot() {  # shot FILE ARGS...: starts the gallery, waits, photographs the screen, ends the gallery
  local file=$1
  shift
  (cd "$bin" && exec wine skin_gallery.exe "$@") >/dev/null 2>&1 &
  local pid=$!
  sleep "${GALLERY_SHOT_WAIT:-3}"
  import -screen -window root "$file"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

for skin in "$bin"/skins/*.tbx; do
  name=$(basename "$skin" .tbx)
  for page in "${pages[@]}"; do
    shot "$out/$name-$page.png" "skins\\$name.tbx" --page "$page"
    shot "$out/$name-shifted-$page.png" "skins\\$name.tbx" --page "$page" --shift "$shift_hsv"
  done
done
echo "$(ls "$out"/*.png | wc -l) screenshots in $out (code page $codepage, shift $shift_hsv)"
