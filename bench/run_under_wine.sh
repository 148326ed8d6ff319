#!/usr/bin/env bash
# Runs one of the Windows benchmarks under Wine in a session of its own: a
# prefix of its own (build/wineprefix-bench unless WINEPREFIX is set), a
# private Xvfb display and its own wineserver, all stopped again at the end.
#
#   bash bench/run_under_wine.sh skin_cost_bench [arguments...]
#   bash bench/run_under_wine.sh editor_open_bench [arguments...]
#
# The benchmark, the wineserver and Xvfb are kept on one CPU (the last one)
# unless VDK_BENCH_PIN=0. Under Wine nearly every window call is a round
# trip to the wineserver (and many to the X server); on this kind of
# virtual machine a round trip that wakes a process on the other CPU costs
# several times one that stays on the same CPU, and which one happens
# changes from moment to moment. Unpinned, a round of skin_cost_bench varies
# by a factor of five from one round to the next; pinned, by a few per cent.
# Build first: cmake --build --preset windows --target <benchmark>.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
name=${1:?usage: run_under_wine.sh BENCHMARK [ARGUMENTS...]}
shift
exe="$root/build/windows/bin/${name%.exe}.exe"
[ -f "$exe" ] || { echo "not built: $exe" >&2; exit 1; }

export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix-bench}
# shellcheck source=../scripts/wine-session.sh
source "$root/scripts/wine-session.sh"
wine_session_start

runner=()
if [ "${VDK_BENCH_PIN:-1}" != 0 ]; then
  cpu=$(($(nproc) - 1))
  for pid in $_vdk_wineserver_pid $_vdk_xvfb_pid; do
    [ -n "$pid" ] && { taskset -p -c "$cpu" "$pid" >/dev/null 2>&1 || echo "(cannot pin process $pid)" >&2; }
  done
  runner=(taskset -c "$cpu")
  echo "(benchmark, wineserver and Xvfb on CPU $cpu)"
fi
cd "$(dirname "$exe")"
"${runner[@]}" wine "$exe" "$@"
