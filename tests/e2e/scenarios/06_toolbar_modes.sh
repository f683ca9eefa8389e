# The toolbar's own menu: Only Icons lays the buttons out without captions and stores
# DisplayText 0, a restart opens in that mode, and Show Text brings the captions back
# and stores DisplayText 1. Where a click lands tells the layouts apart: icon mode
# puts the buttons 56 apart (About at 336, Exit at 392), text mode after a switch 73
# apart (About at 438, Exit at 511); the first layout has Exit at 307 and nothing from 366 to 408.
new_prefix
start_program
xdotool mousemove 5 5
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
wait_summary "$wid" || fail "no settings summary after the start"
window_shot toolbar-text "$wid"

toolbar_menu() { # right-click an empty place of the toolbar, choose item $2 of its menu
  point_client "$wid" 733 524 "$1" 30
  xdotool click 3
  choose_popup_item "$2" || fail "the toolbar menu did not open"
}
wait_value() { # name, data: polls the settings key for a moment
  for _ in $(seq 1 20); do
    [ "$(reg_value "$E2E_SETTINGS" "$1")" = "$2" ] && return 0
    sleep 0.1
  done
  return 1
}
about_opens_at() { # x: clicks the toolbar there and closes the about box it must open
  click_client "$wid" 733 524 "$1" 29
  about=$(wait_window "About" 5) || return 1
  click_client "$about" 312 215 155 196
  wait_gone "About" 5 || fail "the about box stayed open after OK"
}

[ -z "$(reg_value "$E2E_SETTINGS" DisplayText)" ] || fail "DisplayText stored before any choice"
toolbar_menu 385 2 # Only Icons
wait_value DisplayText 0x0 || fail "Only Icons did not store DisplayText 0"
xdotool mousemove 5 5
sleep 0.3
window_shot toolbar-icons "$wid"
[ "$(shot_diff toolbar-text toolbar-icons 733x60+4+23)" -gt 1000 ] ||
  fail "the toolbar looks the same after Only Icons"
about_opens_at 360 || fail "no About button at 336..391 in icon mode"

# Exit is the last icon, at 392.
click_client "$wid" 733 524 420 29
wait_exit 15 || fail "no Exit button at 392..447 in icon mode"

xdotool mousemove 5 5 # not over a button of the new window, nor its hint
start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear again"
sleep 0.5
window_shot toolbar-icons-restarted "$wid"
about_opens_at 360 || fail "the restarted program is not in icon mode"

toolbar_menu 500 1 # Show Text
wait_value DisplayText 0x1 || fail "Show Text did not store DisplayText 1"
xdotool mousemove 5 5
sleep 0.3
window_shot toolbar-text-again "$wid"
[ "$(shot_diff toolbar-icons-restarted toolbar-text-again 733x60+4+23)" -gt 1000 ] ||
  fail "the toolbar looks the same after Show Text"
about_opens_at 470 || fail "no About button at 438..510 after Show Text"
click_client "$wid" 733 524 545 40
wait_exit 15 || fail "no Exit button at 511..583 after Show Text"
