# At 144 DPI the forms scale by one and a half: the main window's client is 1100 by 786
# (733 by 524 at 96), the settings dialog's 539 by 531, and every click below lands on
# its control only at the scaled place. The screenshots show each page at that size.
new_prefix
reg_import <<'REG'
[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:00000090
REG
E2E_DPI=144

# The frame adds a border on each side and a caption on top, both a little larger at
# this resolution than the 8 and 27 pixels at 96 DPI.
check_client() { # window, what it is, design width, design height
  local w h
  read -r _ _ w h <<<"$(window_geometry "$1")"
  local extra_w=$((w - $(scaled "$3"))) extra_h=$((h - $(scaled "$4")))
  [ $extra_w -ge 4 ] && [ $extra_w -le 24 ] && [ $extra_h -ge 20 ] && [ $extra_h -le 70 ] ||
    fail "$2 is $w by $h outside, not a $(scaled "$3") by $(scaled "$4") client in a frame"
}

xdotool mousemove 5 5
start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
wait_summary "$wid" || fail "no settings summary after the start"
check_client "$wid" "the main window" 733 524
window_shot hidpi-main "$wid"

click_design "$wid" 733 524 147 32
dlg=$(wait_window "Tidyhawk Settings" 10) || fail "the settings dialog did not open from Options"
sleep 0.3
check_client "$dlg" "the settings dialog" 359 354
# Tabs grow with their text, not by the scale alone: the first tab is clicked, the others
# reached with the arrow keys from there.
window_shot hidpi-settings-general "$dlg"
click_design "$dlg" 359 354 30 11
previous=general
for page in filters pathes specific clean; do
  xdotool key --window "$dlg" Right
  sleep 0.3
  window_shot "hidpi-settings-$page" "$dlg"
  [ "$(shot_diff "hidpi-settings-$previous" "hidpi-settings-$page" 520x400+8+75)" -gt 500 ] ||
    fail "the $page page did not show"
  previous=$page
done
click_design "$dlg" 359 354 30 35 # the Clean page's inner Windows tab
xdotool key --window "$dlg" Right
sleep 0.3
window_shot hidpi-settings-clean-applications "$dlg"
[ "$(shot_diff hidpi-settings-clean hidpi-settings-clean-applications 500x330+15+120)" -gt 500 ] ||
  fail "the Applications page did not show"
click_design "$dlg" 359 354 313 337 # Cancel
wait_gone "Tidyhawk Settings" 10 || fail "Cancel is not at its scaled place"

click_design "$wid" 733 524 271 32
about=$(wait_window "About" 10) || fail "the about box did not open from About"
sleep 0.3
check_client "$about" "the about box" 312 215
window_shot hidpi-about-box "$about"
click_design "$about" 312 215 155 196
wait_gone "About" 10 || fail "the about box's OK is not at its scaled place"

click_design "$wid" 733 524 336 32
wait_exit 15 || fail "the program did not end on Exit"
