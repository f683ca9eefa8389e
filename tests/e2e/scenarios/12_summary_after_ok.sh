# The summary rebuilt by OK looks exactly like the one a fresh start shows for the same
# settings. Unticking "Temporary folder" takes the list from one row too many for its
# height to a list that just fits: the rebuilt list must drop its scroll bars, not keep
# the vertical one and add a horizontal one over the last row.
new_prefix
start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
wait_summary "$wid" || fail "no settings summary after the start"
click_client "$wid" 733 524 147 32
dlg=$(wait_window "Tidyhawk Settings" 10) || fail "the settings dialog did not open"
sleep 0.3
click_client "$dlg" 359 354 242 11 # the Clean page
sleep 0.2
click_client "$dlg" 359 354 30 35 # its Windows tab
sleep 0.2
click_client "$dlg" 359 354 60 67 # Temporary folder
sleep 0.2
click_client "$dlg" 359 354 233 337 # OK
wait_gone "Tidyhawk Settings" 10 || fail "OK did not close the dialog"
[ "$(reg_value "$E2E_SETTINGS" Tempfolder)" = "0x0" ] || fail "Tempfolder was not stored as 0"
xdotool mousemove 5 5
settled_shot summary-after-ok "$wid"
click_client "$wid" 733 524 336 32
wait_exit 15 || fail "the program did not end on Exit"

xdotool mousemove 5 5 # away from where the new window's buttons will be
start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear again"
wait_summary "$wid" || fail "no settings summary after the restart"
settled_shot summary-after-restart "$wid"
# The list: from under the toolbar to above the status bar, the whole width.
differ=$(shot_diff summary-after-ok summary-after-restart 733x434+4+88)
[ "$differ" -lt 50 ] || fail "the summary after OK differs from a fresh one in $differ pixels"
click_client "$wid" 733 524 336 32
wait_exit 15 || fail "the program did not end on Exit"
