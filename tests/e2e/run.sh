#!/usr/bin/env bash
# Drives the built program under Wine on a virtual display, one scenario per file in
# scenarios/, each on its own prefix. Screenshots go to build/e2e/.
set -uo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export REPO
E2E_ROOT="$REPO/build/e2e"
export E2E_SHOTS="$E2E_ROOT"
mkdir -p "$E2E_ROOT/runs"

# shellcheck source=../../tools/wine-env.sh
. "$REPO/tools/wine-env.sh"
[ -f "$REPO/build/$TIDY_WIN_TREE/WindowsTidyhawk.exe" ] || { echo "e2e: build the program first"; exit 1; }
"$REPO/tools/wine-prefix.sh" >/dev/null || exit 1

xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

# The number a previous run left there would be read before Xvfb empties the file.
rm -f "$E2E_ROOT/display"
# Large enough for the main window at 200 percent.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$E2E_ROOT/display" \
  </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -s "$E2E_ROOT/display" ] && break
  sleep 0.05
done
[ -s "$E2E_ROOT/display" ] || { echo "e2e: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$E2E_ROOT/display")"

passed=0
failed=0
for scenario in "$REPO"/tests/e2e/scenarios/*.sh; do
  name=$(basename "$scenario" .sh)
  # E2E_ONLY=pattern runs just the scenarios whose names contain it.
  [ -z "${E2E_ONLY:-}" ] || [[ "$name" == *"$E2E_ONLY"* ]] || continue
  dir="$E2E_ROOT/runs/$name"
  rm -rf "$dir"
  mkdir -p "$dir"
  start=$SECONDS
  (
    export SCENARIO_DIR="$dir"
    source "$REPO/tests/e2e/lib.sh"
    trap stop_prefix EXIT
    source "$scenario"
  ) >"$dir/output.log" 2>&1
  status=$?
  if [ $status -eq 0 ]; then
    passed=$((passed + 1))
    echo "e2e $name: passed ($((SECONDS - start)) s)"
    [ -n "${E2E_KEEP:-}" ] || rm -rf "$dir/prefix"
  else
    failed=$((failed + 1))
    echo "e2e $name: FAILED ($((SECONDS - start)) s): $(cat "$dir/reason" 2>/dev/null || tail -n3 "$dir/output.log")"
  fi
done
echo "e2e: $passed passed, $failed failed"
[ $failed -eq 0 ]
