# /clean cleans once with the saved settings and ends by itself: with the confirmation,
# the results box and the recycle-bin question all switched on it shows none of them,
# deletes the junk, writes the log and ends with exit code 0. A file another process
# holds open in the temporary folder stays, and the run ends with 1; an unknown switch
# ends with 2 once its usage box is answered.
new_prefix
temp="$(user_dir)/Temp"
[ -d "$temp" ] || temp="$(user_dir)/AppData/Local/Temp"
log="$(appdata_dir)/Ambervale/Tidyhawk/logs.log"
hold_file="$REPO/build/$TIDY_WIN_TREE/hold_file.exe"
[ -f "$hold_file" ] || fail "the hold_file helper is not built"

reg_import <<'REG'
[HKEY_CURRENT_USER\Software\Ambervale\Purgo]
"Displaybox"=dword:00000001
"Displayresultsbox"=dword:00000001
"ShowEmptyrecycle"=dword:00000001
"Logs"=dword:00000001
"Autoclose"=dword:00000000
REG

put_junk() {
  mkdir -p "$temp/sub/deeper"
  echo junk >"$temp/a.tmp"
  echo junk >"$temp/sub/deeper/b.log"
}

# Starts the program with these arguments and waits for its end: a box would keep it
# from ending, and any window with one of the boxes' titles fails the scenario at once.
# Sets code to the exit code.
run_to_end() {
  start_program "$@"
  for _ in $(seq 1 300); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    for title in "Clean Confirmation" "Information" "Clear Confirmation" "Add path"; do
      window_shown "$title" && { screenshot unattended-box; fail "'$title' was shown for $*"; }
    done
    sleep 0.2
  done
  kill -0 "$PROGRAM_PID" 2>/dev/null && { screenshot unattended-stuck; fail "the program did not end for $*"; }
  wait "$PROGRAM_PID"
  code=$?
}

put_junk
run_to_end /clean
[ "$code" = 0 ] || fail "a clean that took everything ended with $code"
[ -d "$temp" ] || fail "the temporary folder itself was removed"
[ ! -e "$temp/a.tmp" ] || fail "a.tmp is still there"
[ ! -e "$temp/sub" ] || fail "the subfolder is still there"
[ -f "$log" ] || fail "no clean log"
[ "$(tr -d '\r' <"$log" | grep -c "Clean finished:")" = 1 ] || fail "the log does not hold one run"

# The helper shares the file for reading only: a deletion is refused outright (a
# redirect of cmd shares it for deletion too, and the file would just go once closed).
put_junk
held="$temp/sub/held.tmp"
echo held >"$held"
release="$WINEPREFIX/drive_c/release-held"
wine "$hold_file" "$(winepath -w "$held" 2>/dev/null)" 'C:\release-held' \
  </dev/null >"$SCENARIO_DIR/hold.log" 2>&1 &
holder=$!
for _ in $(seq 1 100); do
  grep -q held "$SCENARIO_DIR/hold.log" 2>/dev/null && break
  sleep 0.1
done
grep -q held "$SCENARIO_DIR/hold.log" || fail "the helper did not hold the file: $(cat "$SCENARIO_DIR/hold.log")"
run_to_end -CLEAN
touch "$release"
wait "$holder" || fail "the helper failed"
[ "$code" = 1 ] || fail "a clean that left a held file ended with $code"
[ -f "$held" ] || fail "the held file went after all"
[ ! -e "$temp/a.tmp" ] || fail "a.tmp is still there beside the held file"
[ ! -e "$temp/sub/deeper" ] || fail "the folder beside the held file is still there"
[ "$(tr -d '\r' <"$log" | grep -c "Clean finished:")" = 2 ] || fail "the second run is not in the log"

start_program /bogus
box=$(wait_window "Ace Tidyhawk" 30) || fail "no usage box for /bogus"
screenshot unattended-usage
press_key "$box" Return
wait_exit 15 || fail "the program did not end after the usage box"
wait "$PROGRAM_PID"
code=$?
[ "$code" = 2 ] || fail "/bogus ended with $code"
