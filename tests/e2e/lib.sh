# Helpers for the end-to-end scenarios: each scenario gets its own Wine prefix copied
# from the template, runs the real program on the suite's virtual display, and checks
# files and registry afterwards. Sourced by run.sh inside a subshell per scenario.

E2E_PROGRAM="$REPO/build/$TIDY_WIN_TREE/WindowsTidyhawk.exe"
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

# --- Dialogs, menus, registry data and screen scale ------------------------------------

# The prefix's screen resolution. A scenario that raises it sets E2E_DPI to match, and
# the design-unit helpers scale by it, rounded as the program's forms round.
E2E_DPI=96
scaled() { echo $((($1 * E2E_DPI + 48) / 96)); }

# click_design WID CLIENT_W CLIENT_H X Y: click_client with every number given in 96 DPI
# design units.
click_design() {
  click_client "$1" "$(scaled "$2")" "$(scaled "$3")" "$(scaled "$4")" "$(scaled "$5")"
}

# Moves the pointer to a point in client coordinates, as click_client finds it, without
# clicking (for another button or a drag).
point_client() {
  local wid=$1 client_w=$2 client_h=$3 x=$4 y=$5
  read -r wx wy ww wh <<<"$(window_geometry "$wid")"
  local border=$(((ww - client_w) / 2))
  local top=$((wh - client_h - border))
  xdotool mousemove --sync $((wx + border + x)) $((wy + top + y))
}

# True once no visible top-level window has exactly this title; false after the timeout.
wait_gone() {
  local title=$1 timeout=${2:-10}
  for _ in $(seq 1 $((timeout * 10))); do
    xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# True when a visible top-level window has exactly this title now.
window_shown() { xdotool search --onlyvisible --name "^${1}\$" >/dev/null 2>&1; }

# Presses a key in a window: Return for a message box's default button, the underlined
# letter for another one. The window gets the input focus and the key is typed through
# the X server. A key sent to the window itself loses its release when the press closes
# the window, and the next message box the prefix showed soon after then closed at
# once by itself, answered with its default button.
press_key() {
  xdotool windowfocus --sync "$1" 2>/dev/null || return 1
  xdotool key "$2"
}

# Chooses the Nth item (from 1) of the popup menu that a right click has just opened at
# the mouse pointer: Wine opens it with its corner there, items 17 pixels high at 96 DPI
# under a 3 pixel border.
choose_popup_item() {
  local n=$1 mx my popup=""
  eval "$(xdotool getmouselocation --shell | awk -F= '/^(X|Y)=/{print "m" tolower($1) "=" $2}')"
  for _ in $(seq 1 20); do
    for w in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
      read -r x y _ _ <<<"$(window_geometry "$w")"
      if [ $((x - mx)) -ge -2 ] && [ $((x - mx)) -le 2 ] && [ $((y - my)) -ge -2 ] &&
        [ $((y - my)) -le 2 ]; then
        popup=$w
        break 2
      fi
    done
    sleep 0.1
  done
  [ -n "$popup" ] || return 1
  read -r x y _ _ <<<"$(window_geometry "$popup")"
  xdotool mousemove --sync $((x + $(scaled 30))) $((y + $(scaled $((3 + 17 * (n - 1) + 8))))) click 1
}

# The data of one value with its blanks kept, empty when absent; "(Default)" names the
# key's default value.
reg_data() { wine reg query "$1" 2>/dev/null | reg_field "$2"; }

# The same, from the output of a `wine reg query` given on stdin (one query, many values).
reg_field() {
  tr -d '\r' | awk -v n="$1" '
    index($0, "    " n "    REG_") == 1 {
      rest = substr($0, length(n) + 9)
      i = index(rest, "    ")
      print (i ? substr(rest, i + 4) : "")
      exit
    }'
}

reg_key_exists() { wine reg query "$1" >/dev/null 2>&1; }

# window_shot, once the window has stopped changing: two shots alike more than a second
# apart. A list takes up the rows added to it up to a second later (it gathers them
# while a clean adds thousands), and a slow machine may still be repainting.
settled_shot() { # name, window
  window_shot "$1" "$2"
  for _ in $(seq 1 8); do
    sleep 1.2
    window_shot "$1-next" "$2"
    [ "$(shot_diff "$1" "$1-next" "$(identify -format '%wx%h+0+0' "$E2E_SHOTS/$1.png" 2>/dev/null)")" = 0 ] && break
    mv "$E2E_SHOTS/$1-next.png" "$E2E_SHOTS/$1.png"
  done
  rm -f "$E2E_SHOTS/$1-next.png"
}

# How many pixels differ between the same region (WxH+X+Y) of two screenshots taken
# with screenshot or window_shot.
shot_diff() {
  local n
  n=$(compare -metric AE "$E2E_SHOTS/$1.png[$3]" "$E2E_SHOTS/$2.png[$3]" null: 2>&1 >/dev/null |
    awk '{print $1}')
  # A picture that could not be read differs in every pixel.
  [[ "$n" =~ ^[0-9]+$ ]] && echo "$n" || echo 999999999
}

# How many pixels of a region (WxH+X+Y) of a picture file have this colour, give or
# take a little.
colour_count() { # file, region, colour
  convert "$1[$2]" -fuzz 8% -fill black +opaque "$3" -fill white -opaque "$3" \
    -format "%[fx:round(mean*w*h)]" info: 2>/dev/null
}

# Waits until the main window's list shows the settings summary, which the start-up
# chain builds a moment after the window shows: its rows carry the blue information
# picture, and nothing else is drawn at the list's left edge before.
wait_summary() { # window, [timeout in seconds]
  local probe="$SCENARIO_DIR/probe.png" n
  for _ in $(seq 1 $((${2:-10} * 5))); do
    import -window "$1" "$probe" 2>/dev/null
    n=$(colour_count "$probe" "$(scaled 40)x$(scaled 300)+0+$(scaled 90)" "#1F6FD1")
    [ "${n:-0}" -gt 100 ] && return 0
    sleep 0.2
  done
  return 1
}

# A run long enough to stop, stopped: 40,000 files in the temporary folder and a user
# folder for a later category, the run starting by itself with Autoclose on and no boxes.
# Starts the program, presses Stop (the Clean button's place) once the walk is under
# way, and waits for the question. Sets c, temp, wid and box (the question's window).
start_run_and_press_stop() {
  new_prefix
  c="$WINEPREFIX/drive_c"
  temp="$(user_dir)/Temp"
  [ -d "$temp" ] || temp="$(user_dir)/AppData/Local/Temp"
  mkdir -p "$temp/many" "$c/UserJunk"
  (cd "$temp/many" && seq -f 'f%05g.tmp' 1 40000 | xargs touch)
  echo x >"$c/UserJunk/later.txt"

  reg_import <<'REG'
[HKEY_CURRENT_USER\Software\Ambervale\Purgo]
"Autobegin"=dword:00000001
"Displaybox"=dword:00000000
"Displayresultsbox"=dword:00000000
"ShowEmptyrecycle"=dword:00000000
"Logs"=dword:00000001
"Autoclose"=dword:00000001
"Foldernum"=dword:00000001
"Foldera0"="C:\\UserJunk"
REG

  start_program
  wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
  for _ in $(seq 1 100); do
    [ "$(find "$temp/many" -maxdepth 1 -name '*.tmp' | head -n 39000 | wc -l)" -lt 39000 ] && break
    sleep 0.1
  done
  click_client "$wid" 733 524 29 32
  box=$(wait_window "Stop Confirmation" 20) || fail "no stop question"
}
