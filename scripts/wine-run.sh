#!/usr/bin/env bash
# Runs one Windows test program under Wine for ctest (the cross build's
# emulator). Programs a test starts, and the helper processes Wine starts for
# them, can outlive the test; they must not keep ctest's pipes or log file
# open, or ctest waits for them until its timeout. So this script closes
# every descriptor above 2, runs the program with its output going to a file
# of its own, and passes that output on when the program has ended.
for fd in /proc/$$/fd/*; do
  n=${fd##*/}
  if [ "$n" -gt 2 ] 2>/dev/null; then eval "exec $n>&-" 2>/dev/null || true; fi
done
out=$(mktemp)
wine "$@" </dev/null >"$out" 2>&1
status=$?
cat "$out"
rm -f "$out"
exit $status
