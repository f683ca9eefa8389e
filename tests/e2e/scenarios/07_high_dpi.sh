# At each common screen scale (100, 125, 150 and 200 percent: 96, 120, 144 and 192 DPI)
# the forms scale with it: at 144 the main window's client is 1100 by 786 (733 by 524 at
# 96), the settings dialog's 539 by 531, and every click below lands on its control only
# at the scaled place. The screenshots show the main window, each settings page and the
# about box at each scale, with the glyphs and pictures drawn for it.

# The frame adds a border on each side and a caption on top, both larger at higher scales.
check_client() { # window, what it is, design width, design height
  local w h
  read -r _ _ w h <<<"$(window_geometry "$1")"
  local extra_w=$((w - $(scaled "$3"))) extra_h=$((h - $(scaled "$4")))
  [ $extra_w -ge 4 ] && [ $extra_w -le 32 ] && [ $extra_h -ge 18 ] && [ $extra_h -le 90 ] ||
    fail "$2 is $w by $h outside at $E2E_DPI DPI, not a $(scaled "$3") by $(scaled "$4") client in a frame"
}

# A shot's region given in design units.
region() { echo "$(scaled "$1")x$(scaled "$2")+$(scaled "$3")+$(scaled "$4")"; }

at_scale() { # dpi
  E2E_DPI=$1
  local name="dpi$1" wid dlg about previous page
  stop_prefix
  rm -rf "$SCENARIO_DIR/prefix"
  new_prefix
  reg_import <<REG
[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$1")
REG
  xdotool mousemove 5 5
  start_program
  wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear at $1 DPI"
  wait_summary "$wid" || fail "no settings summary after the start at $1 DPI"
  check_client "$wid" "the main window" 733 524
  window_shot "$name-main" "$wid"

  click_design "$wid" 733 524 147 32
  dlg=$(wait_window "Tidyhawk Settings" 10) || fail "the settings dialog did not open from Options at $1 DPI"
  sleep 0.3
  check_client "$dlg" "the settings dialog" 359 354
  # Tabs grow with their text, not by the scale alone: the first tab is clicked, the
  # others reached with the arrow keys from there.
  window_shot "$name-settings-general" "$dlg"
  click_design "$dlg" 359 354 30 11
  previous=general
  for page in filters pathes specific clean; do
    xdotool key --window "$dlg" Right
    sleep 0.3
    window_shot "$name-settings-$page" "$dlg"
    [ "$(shot_diff "$name-settings-$previous" "$name-settings-$page" "$(region 347 267 5 50)")" -gt 500 ] ||
      fail "the $page page did not show at $1 DPI"
    previous=$page
  done
  click_design "$dlg" 359 354 30 35 # the Clean page's inner Windows tab
  xdotool key --window "$dlg" Right
  sleep 0.3
  window_shot "$name-settings-clean-applications" "$dlg"
  [ "$(shot_diff "$name-settings-clean" "$name-settings-clean-applications" "$(region 333 220 10 80)")" -gt 500 ] ||
    fail "the Applications page did not show at $1 DPI"
  click_design "$dlg" 359 354 313 337 # Cancel
  wait_gone "Tidyhawk Settings" 10 || fail "Cancel is not at its scaled place at $1 DPI"

  click_design "$wid" 733 524 271 32
  about=$(wait_window "About" 10) || fail "the about box did not open from About at $1 DPI"
  sleep 0.3
  check_client "$about" "the about box" 312 215
  window_shot "$name-about-box" "$about"
  click_design "$about" 312 215 155 196
  wait_gone "About" 10 || fail "the about box's OK is not at its scaled place at $1 DPI"

  click_design "$wid" 733 524 336 32
  wait_exit 15 || fail "the program did not end on Exit at $1 DPI"
}

for dpi in 96 120 144 192; do
  at_scale "$dpi"
done
