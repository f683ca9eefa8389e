# Helpers for the end-to-end scenarios: each scenario gets its own Wine prefix copied
# from the template, runs the real program on the suite's virtual display, and checks
# files and registry afterwards. Sourced by run.sh inside a subshell per scenario.

E2E_PROGRAM="$REPO/build/win32/WindowsTidyhawk.exe"
E2E_SETTINGS='HKCU\Software\Ambervale\Purgo'
PROGRAM_PID=""

fail() {
  echo "$*" >"$SCENARIO_DIR/reason"
  exit 1
}

# A fresh prefix of this scenario's own, with its server started quietly (a server
# that wine starts itself keeps the caller's pipes open).
new_prefix() {
  export WINEPREFIX="$SCENARIO_DIR/prefix"
  export XDG_DATA_HOME="$SCENARIO_DIR/xdg-data"
  export WINEDEBUG=-all
  mkdir -p "$XDG_DATA_HOME"
  "$REPO/tools/wine-prefix.sh" copy "$WINEPREFIX" || fail "no prefix"
  wineserver -p </dev/null >/dev/null 2>&1
}

stop_prefix() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
}

# The current user's folders inside the prefix.
user_dir() { echo "$WINEPREFIX/drive_c/users/$(id -un)"; }
appdata_dir() { echo "$(user_dir)/AppData/Roaming"; }

start_program() {
  wine "$E2E_PROGRAM" "$@" </dev/null >"$SCENARIO_DIR/program.log" 2>&1 &
  PROGRAM_PID=$!
}

# Waits until the program's process has ended; false after the timeout.
wait_exit() {
  local timeout=${1:-10}
  for _ in $(seq 1 $((timeout * 10))); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# Prints the X window of a top-level window with exactly this title.
wait_window() {
  local title=$1 timeout=${2:-30} wid
  for _ in $(seq 1 $((timeout * 5))); do
    wid=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1)
    if [ -n "$wid" ]; then
      echo "$wid"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

window_geometry() { # prints X Y W H of the window's outer rectangle
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^(X|Y|WIDTH|HEIGHT)=/{printf "%s ", $2}'
}

# Clicks a point given in the client coordinates of a window whose client size is
# known: the frame is what the outer size adds around it, with the caption on top.
click_client() {
  local wid=$1 client_w=$2 client_h=$3 x=$4 y=$5
  read -r wx wy ww wh <<<"$(window_geometry "$wid")"
  local border=$(((ww - client_w) / 2))
  local top=$((wh - client_h - border))
  xdotool mousemove --sync $((wx + border + x)) $((wy + top + y)) click 1
}

screenshot() { import -window root "$E2E_SHOTS/$1.png" 2>/dev/null; }
window_shot() { import -window "$2" "$E2E_SHOTS/$1.png" 2>/dev/null; } # name, window

# Registry values of a key as "name type data" lines.
reg_values() {
  wine reg query "$1" 2>/dev/null | tr -d '\r' | awk 'NF >= 2 && $2 ~ /^REG_/ {print}'
}

reg_value() { # prints the data of one value, empty when absent
  reg_values "$1" | awk -v n="$2" '$1 == n {print $3}'
}

reg_import() { # applies a .reg text given on stdin
  local file="$SCENARIO_DIR/seed.reg"
  { echo "REGEDIT4"; echo; cat; } >"$file"
  wine regedit /S "$(winepath -w "$file" 2>/dev/null)" || fail "could not seed the registry"
}
