#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test: the
# native core under the sanitizers, then the Windows build under Wine on a
# private Xvfb display (GUI tests once per code page: 1252 and 936).
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
export VDK_ROOT=$PWD

bash scripts/install-packages.sh

jobs=$(nproc)
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

status=0
ctest --preset native -j "$jobs" --no-tests=error || status=1

source scripts/wine-session.sh
wine_session_start
# GUI tests share one display and the keyboard focus: one at a time.
LC_ALL=C.UTF-8 ctest --preset windows -j 1 --no-tests=error || status=1
echo "Again under code page 936 (zh_CN):"
LC_ALL=zh_CN.UTF-8 ctest --preset windows -j 1 -L codepage --no-tests=error || status=1
exit $status
