# The settings dialog on an empty registry: opening it stores every option, each page
# shows, OK stores a change and refreshes the summary, Cancel puts a change back. The
# about box opens from its button and closes with its OK button.
new_prefix
start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
wait_summary "$wid" || fail "no settings summary after the start"
xdotool mousemove 5 5
sleep 0.2
window_shot settings-main-before "$wid"
[ -z "$(reg_values "$E2E_SETTINGS")" ] || fail "options stored before the dialog was opened"

# Client coordinates of the dialog (359 by 354): its page tabs on the top row, its
# buttons in the bottom panel at y 320.
DLG_W=359
DLG_H=354
open_settings() {
  click_client "$wid" 733 524 147 32
  dlg=$(wait_window "Tidyhawk Settings" 10) || fail "the settings dialog did not open"
  sleep 0.3
}
dialog_click() { click_client "$dlg" $DLG_W $DLG_H "$1" "$2"; sleep 0.2; }
close_with() { # button x, what it is called
  dialog_click "$1" 337
  wait_gone "Tidyhawk Settings" 10 || fail "the dialog stayed open after $2"
}

open_settings
values=$(reg_values "$E2E_SETTINGS")
[ "$(echo "$values" | wc -l)" -eq 45 ] ||
  fail "opening the dialog stored $(echo "$values" | wc -l) values, not 45: $(echo $values)"
[ "$(echo "$values" | awk '$2 == "REG_DWORD"' | wc -l)" -eq 43 ] ||
  fail "not 42 check boxes and the log days as numbers: $(echo $values)"
for name in FilesName Ext; do
  echo "$values" | awk -v n=$name '$1 == n && $2 == "REG_SZ"' | grep -q . || fail "$name not stored"
done
stored() { echo "$values" | awk -v n="$1" '$1 == n {print $3}'; } # from the last fetch
[ "$(stored Logday)" = "0xa" ] || fail "Logday is not the 10 days shown"
[ "$(stored Logs)" = "0x0" ] || fail "Logs should start unticked"
[ "$(stored Tempfolder)" = "0x1" ] || fail "Tempfolder should start ticked"

# Every page, each looking different from the one before.
pages=(general:30 filters:83 pathes:137 specific:187 clean:242)
window_shot settings-general "$dlg"
previous=general
for page in "${pages[@]:1}"; do
  dialog_click "${page#*:}" 11
  window_shot "settings-${page%%:*}" "$dlg"
  [ "$(shot_diff "settings-$previous" "settings-${page%%:*}" 351x280+4+50)" -gt 500 ] ||
    fail "the ${page%%:*} page did not show"
  previous=${page%%:*}
done
dialog_click 100 35 # the Clean page's inner Applications tab
window_shot settings-clean-applications "$dlg"
[ "$(shot_diff settings-clean settings-clean-applications 340x220+10+80)" -gt 500 ] ||
  fail "the Applications page did not show"

# Tick "Save log for" on the General page and untick "Temporary folder" on the Clean
# page's Windows tab, then OK.
dialog_click 30 11
dialog_click 54 266
window_shot settings-logs-ticked "$dlg"
dialog_click 242 11
dialog_click 30 35
dialog_click 60 67
window_shot settings-tempfolder-unticked "$dlg"
close_with 233 OK
values=$(reg_values "$E2E_SETTINGS")
[ "$(stored Logs)" = "0x1" ] || fail "OK did not store Logs as 1"
[ "$(stored Tempfolder)" = "0x0" ] || fail "OK did not store Tempfolder as 0"
xdotool mousemove 5 5
sleep 0.5
window_shot settings-main-after-ok "$wid"
[ "$(shot_diff settings-main-before settings-main-after-ok 700x300+10+95)" -gt 200 ] ||
  fail "the summary was not rebuilt after OK"

# Untick "Save log for" again and Cancel: nothing is stored, and the box is ticked
# again when the dialog comes back (opening stores what the dialog shows, so a box left
# unticked would show as Logs 0 at once).
open_settings
dialog_click 54 266
window_shot settings-logs-unticked "$dlg"
close_with 313 Cancel
[ "$(reg_value "$E2E_SETTINGS" Logs)" = "0x1" ] || fail "Cancel stored the unticked Logs"
open_settings
window_shot settings-reopened "$dlg"
[ "$(reg_value "$E2E_SETTINGS" Logs)" = "0x1" ] || fail "after Cancel the dialog showed Logs unticked"
close_with 233 OK
values=$(reg_values "$E2E_SETTINGS")
[ "$(stored Logs)" = "0x1" ] || fail "after Cancel and OK Logs is no longer 1"
[ "$(stored Tempfolder)" = "0x0" ] || fail "Tempfolder changed by Cancel and OK"

# The about box: client 312 by 215, its OK button at 118,6 in the 37 high bottom strip.
click_client "$wid" 733 524 271 32
about=$(wait_window "About" 10) || fail "the about box did not open"
sleep 0.3
window_shot about-box "$about"
click_client "$about" 312 215 155 196
wait_gone "About" 10 || fail "the about box stayed open after OK"

click_client "$wid" 733 524 336 32
wait_exit 15 || fail "the program did not end on Exit"
