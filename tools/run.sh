#!/usr/bin/env bash
# Starts the Windows build under Wine on the current X display: run.sh [ARGS...]
# Unlike the tests, it keeps one prefix (build/wine/user), so settings the program
# saves are still there the next time.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=wine-env.sh
. "$repo/tools/wine-env.sh"
program="$repo/build/$TIDY_WIN_TREE/WindowsTidyhawk.exe"
user_dir="$repo/build/wine"
prefix="$user_dir/user"

if [ -z "${DISPLAY:-}" ]; then
  echo "No display: run under an X session, or: xvfb-run -a make run" >&2
  exit 1
fi
if [ ! -f "$program" ]; then
  echo "run: $program is missing; build the Windows program first" >&2
  exit 1
fi
if [ ! -d "$prefix/drive_c" ]; then
  rm -rf "$prefix"
  "$repo/tools/wine-prefix.sh" copy "$prefix"
fi

export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# The program empties the recycle bin, which Wine keeps in the XDG trash; point it at
# a folder of the prefix's own instead of the desktop's real trash.
export XDG_DATA_HOME="$user_dir/user-data"
mkdir -p "$XDG_DATA_HOME"
status=0
wine "$program" "$@" || status=$?
# Let Wine's helper processes end while the display is still there (under xvfb-run
# the display goes away as soon as this script returns).
wineserver -w
exit $status
