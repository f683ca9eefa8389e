# With "Integrated with Windows Explorer context menu" on (its default), opening the
# settings dialog writes the Explorer verbs for drives and folders, each running the
# program on the clicked item, and Cancel keeps them; unticking the option and OK
# removes both.
new_prefix
start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
wait_summary "$wid" || fail "no settings summary after the start"

verbs=('HKCU\Software\Classes\Drive\shell\Run Tidyhawk'
  'HKCU\Software\Classes\Folder\shell\Run Tidyhawk')
for verb in "${verbs[@]}"; do
  reg_key_exists "$verb" && fail "a verb exists before the dialog was opened: $verb"
done

open_settings() {
  click_client "$wid" 733 524 147 32
  dlg=$(wait_window "Tidyhawk Settings" 10) || fail "the settings dialog did not open"
  sleep 0.3
}
open_settings
click_client "$dlg" 359 354 313 337 # Cancel
wait_gone "Tidyhawk Settings" 10 || fail "Cancel did not close the dialog"

for verb in "${verbs[@]}"; do
  command=$(reg_data "$verb\\command" "(Default)")
  [ -n "$command" ] || fail "no command under $verb"
  # "<the program's Windows path>" "%1"
  case "$command" in
  '"'*'WindowsTidyhawk.exe" "%1"') ;;
  *) fail "the command is not the quoted program and \"%1\": $command" ;;
  esac
  path=${command#\"}
  path=${path%%\"*}
  [ "$(winepath -u "$path" 2>/dev/null)" -ef "$E2E_PROGRAM" ] ||
    fail "the command names $path, not the program that ran"
done

open_settings
click_client "$dlg" 359 354 100 194 # the option, eighth on the General page
sleep 0.3
window_shot explorer-verb-unticked "$dlg"
click_client "$dlg" 359 354 233 337 # OK
wait_gone "Tidyhawk Settings" 10 || fail "OK did not close the dialog"
[ "$(reg_value "$E2E_SETTINGS" Contextmenu)" = "0x0" ] || fail "Contextmenu was not stored as 0"
for verb in "${verbs[@]}"; do
  reg_key_exists "$verb" && fail "the verb is still there after OK: $verb"
done

click_client "$wid" 733 524 336 32
wait_exit 15 || fail "the program did not end on Exit"
