# A long run stopped from the Stop button, answered Yes: the log says "User stopped:",
# later categories are skipped, and the program stays open although Autoclose is on.
new_prefix
c="$WINEPREFIX/drive_c"
temp="$(user_dir)/Temp"
[ -d "$temp" ] || temp="$(user_dir)/AppData/Local/Temp"
mkdir -p "$temp/many" "$c/UserJunk"
(cd "$temp/many" && seq -f 'f%05g.tmp' 1 40000 | xargs touch)
echo x >"$c/UserJunk/later.txt"

reg_import <<'REG'
[HKEY_CURRENT_USER\Software\Ambervale\Purgo]
"Autobegin"=dword:00000001
"Displaybox"=dword:00000000
"Displayresultsbox"=dword:00000000
"ShowEmptyrecycle"=dword:00000000
"Logs"=dword:00000001
"Autoclose"=dword:00000001
"Foldernum"=dword:00000001
"Foldera0"="C:\\UserJunk"
REG

start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
# Wait until the walk is under way, then press Stop (the Clean button's place).
for _ in $(seq 1 100); do
  [ "$(find "$temp/many" -maxdepth 1 -name '*.tmp' | head -n 39000 | wc -l)" -lt 39000 ] && break
  sleep 0.1
done
click_client "$wid" 733 524 29 32
box=$(wait_window "Stop Confirmation" 20) || fail "no stop question"
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
click_client "$wid" 733 524 277 32
wait_exit 15 || fail "Exit did not end the program"
