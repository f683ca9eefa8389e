#!/usr/bin/env bash
# Runs one Windows program under Wine in a throwaway prefix and exits with its exit
# code: wine-run.sh PROGRAM.exe ARGS...
# CTest uses it to run the Windows test programs. Every run starts from a copy of the
# prepared template (see wine-prefix.sh), so runs cannot see each other's registry or
# files, and nothing is left behind.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"

if [ $# -lt 1 ]; then
  echo "usage: wine-run.sh PROGRAM.exe [ARGS...]" >&2
  exit 2
fi

work=$(mktemp -d -t tidyhawk-wine.XXXXXX) || exit 1
prefix="$work/prefix"
xvfb_pid=""
server_started=0

# shellcheck disable=SC2317 # Called through the trap.
cleanup() {
  if [ "$server_started" -eq 1 ]; then
    # Ends the server and any program still attached to it.
    WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
    WINEPREFIX="$prefix" wineserver -w >/dev/null 2>&1
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Windows need an X display. Without one, a private virtual screen serves this run;
# Xvfb picks a free display number itself and reports it on fd 3.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$work/display" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    if [ -s "$work/display" ]; then
      DISPLAY=":$(head -n1 "$work/display")"
      export DISPLAY
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "wine-run: Xvfb did not start" >&2
  return 1
}

"$here/wine-prefix.sh" copy "$prefix" || exit 1

# Set before anything Wine runs: without WINEPREFIX, Wine quietly makes a prefix in the
# home folder.
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# Wine keeps its recycle bin in the XDG trash; this run's stays in this run's folder.
export XDG_DATA_HOME="$work/xdg-data"
# Wine's server keeps its socket folder under TMPDIR; here it goes with the rest.
export TMPDIR="$work/tmp"
mkdir -p "$XDG_DATA_HOME" "$TMPDIR"

# A drive letter of its own onto a folder of C:, as subst makes one on Windows: the
# tests of where paths really lead go through it.
mkdir -p "$prefix/drive_c/mapped"
ln -sfn ../drive_c/mapped "$prefix/dosdevices/m:"

if [ -z "${DISPLAY:-}" ]; then
  start_xvfb || exit 1
fi

# Started by hand with its output going nowhere: a server launched by wine itself
# inherits wine's stdout and stderr and keeps the caller's pipes open after the program
# ends, which stalls CTest and shell pipelines.
wineserver -p </dev/null >/dev/null 2>&1
server_started=1

# In the background so that an interrupt reaches the trap at once instead of after
# the program ends; the trap's wineserver -k then ends the program too.
wine "$@" &
wait $!
exit $?
