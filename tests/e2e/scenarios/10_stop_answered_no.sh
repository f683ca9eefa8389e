# A long run whose Stop question is answered No goes on: every file of the walk goes,
# the later categories run, the log ends with its summary row and not "User stopped:",
# and the program closes itself afterwards as Autoclose asks.
start_run_and_press_stop
window_shot stop-question-no "$box"
# The walk waits for the answer.
before=$(find "$temp/many" -name '*.tmp' | wc -l)
echo "files left at the question: $before"
[ "$before" -gt 0 ] || fail "the walk ended before the question was answered"
sleep 0.5
[ "$(find "$temp/many" -name '*.tmp' | wc -l)" -eq "$before" ] ||
  fail "files went on being deleted while the question was open"
press_key "$box" n
wait_gone "Stop Confirmation" 5 || fail "the question stayed after No"
sleep 0.3
screenshot stop-answered-no
wait_exit 120 || { screenshot stop-answered-no-stuck; fail "the run did not go on to its end"; }

left=$(find "$temp" -name '*.tmp' | wc -l)
[ "$left" -eq 0 ] || fail "$left of the 40000 files are left"
[ ! -e "$c/UserJunk/later.txt" ] || fail "the category after the walk did not run"
log="$(appdata_dir)/Ambervale/Tidyhawk/logs.log"
[ -f "$log" ] || fail "no clean log"
text=$(tr -d '\r' <"$log")
echo "$text" | grep -q "Clean finished:" || fail "the log has no summary row"
echo "$text" | grep -q "User stopped:" && fail "the log says the run was stopped"
true
