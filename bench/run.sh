#!/usr/bin/env bash
# Runs the benchmark program under Wine, in a throwaway prefix whose drive holds the
# trees, on a private virtual screen where the main window shows as a user has it:
#   bench/run.sh [ARGS...]        (BENCH_BUILD names another build tree)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$repo/tools/wine-env.sh"
build=${BENCH_BUILD:-$repo/build/$TIDY_WIN_TREE}
for program in tidyhawk_bench.exe bench_empty_window.exe bench_controls_window.exe WindowsTidyhawk.exe shipped/WindowsTidyhawk.exe; do
  [ -f "$build/$program" ] || { echo "bench: $build/$program is missing; run make bench" >&2; exit 1; }
done

# Every run gets the same screen: wine-run.sh starts its own Xvfb when no display is set.
unset DISPLAY
exec "$repo/tools/wine-run.sh" "$build/tidyhawk_bench.exe" "$@"
