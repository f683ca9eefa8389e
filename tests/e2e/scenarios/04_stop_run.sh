# A long run stopped from the Stop button, answered Yes: the log says "User stopped:",
# later categories are skipped, and the program stays open although Autoclose is on.
start_run_and_press_stop
screenshot stop-question
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
xdotool key --window "$box" Return
sleep 3
screenshot stopped-run
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program closed after a stopped run"

left=$(find "$temp/many" -name '*.tmp' | wc -l)
[ "$left" -gt 0 ] || fail "the walk was not stopped"
[ -f "$c/UserJunk/later.txt" ] || fail "a later category ran after the stop"
log="$(appdata_dir)/Ambervale/Tidyhawk/logs.log"
tr -d '\r' <"$log" | grep -q "User stopped:" || fail "the log does not say the run was stopped"
click_client "$wid" 733 524 336 32
wait_exit 15 || fail "Exit did not end the program"
