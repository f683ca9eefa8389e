# A folder named on the command line, as the Explorer verb passes it, is offered as a
# search path: Yes stores the list at once, and a folder already listed is not offered
# again; No stores nothing; a file or a missing folder bring no question.
new_prefix
mkdir -p "$WINEPREFIX/drive_c/Photos"
echo x >"$WINEPREFIX/drive_c/Photos/picture.jpg"

start_with() { # argument
  xdotool mousemove 5 5
  start_program "$1"
  wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear for $1"
}
exit_program() {
  click_client "$wid" 733 524 336 32
  wait_exit 15 || fail "the program did not end on Exit"
}
# The offer comes with the start-up chain right after the summary is built.
no_offer() { # argument
  start_with "$1"
  wait_summary "$wid" || fail "no summary after starting with $1"
  sleep 0.5
  window_shown "Add path" && { screenshot command-line-unexpected-offer; fail "$1 was offered"; }
  exit_program
}

start_with 'C:\Photos'
box=$(wait_window "Add path" 10) || fail "C:\\Photos was not offered"
screenshot command-line-offer
press_key "$box" Return # Yes, the default button
wait_gone "Add path" 5 || fail "the question stayed after Yes"
sleep 0.3
[ "$(reg_value "$E2E_SETTINGS" Pathnum)" = "0x1" ] || fail "Yes did not store Pathnum 1"
[ "$(reg_data "$E2E_SETTINGS" Patha0)" = 'C:\Photos' ] ||
  fail "Yes stored Patha0 as '$(reg_data "$E2E_SETTINGS" Patha0)'"
window_shot command-line-added "$wid"
exit_program
no_offer 'C:\Photos'
[ "$(reg_value "$E2E_SETTINGS" Pathnum)" = "0x1" ] || fail "the search path list changed"

# No: from an empty registry again, nothing at all is stored.
wine reg delete "$E2E_SETTINGS" /f >/dev/null 2>&1 || fail "could not reset the settings"
start_with 'C:\Photos'
box=$(wait_window "Add path" 10) || fail "C:\\Photos was not offered after the reset"
press_key "$box" n
wait_gone "Add path" 5 || fail "the question stayed after No"
sleep 0.5
values=$(reg_values "$E2E_SETTINGS")
[ -z "$values" ] || fail "No stored values: $(echo $values)"
exit_program

no_offer 'C:\Photos\picture.jpg'
no_offer 'C:\Missing'
[ -z "$(reg_values "$E2E_SETTINGS")" ] || fail "values stored without an offer"
