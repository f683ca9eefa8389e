# An automatic run at start-up empties the temporary folder (dot entries and the folder
# itself stay), lists its Begin and Finished rows and returns to idle; Exit then ends it.
new_prefix
# Wine keeps the temporary folder in the profile itself; Windows under AppData\Local.
temp="$(user_dir)/Temp"
[ -d "$temp" ] || temp="$(user_dir)/AppData/Local/Temp"
mkdir -p "$temp/sub/deeper" "$temp/.cache"
echo junk >"$temp/a.tmp"
echo junk >"$temp/sub/deeper/b.log"
echo keep >"$temp/.keep"
echo keep >"$temp/.cache/c.bin"
chmod -w "$temp/a.tmp"
reg_import <<'REG'
[HKEY_CURRENT_USER\Software\Ambervale\Purgo]
"Autobegin"=dword:00000001
"Displaybox"=dword:00000000
"Displayresultsbox"=dword:00000000
"ShowEmptyrecycle"=dword:00000000
REG

start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
for _ in $(seq 1 50); do
  [ -e "$temp/a.tmp" ] || [ -e "$temp/sub" ] || break
  sleep 0.2
done
sleep 2
screenshot automatic-run
window_shot main-window "$wid"

[ -d "$temp" ] || fail "the temporary folder itself was removed"
[ ! -e "$temp/a.tmp" ] || fail "a.tmp is still there"
[ ! -e "$temp/sub" ] || fail "the subfolder is still there"
[ -f "$temp/.keep" ] || fail "the dot file was deleted"
[ -f "$temp/.cache/c.bin" ] || fail "the dot folder was touched"

click_client "$wid" 733 524 336 32
wait_exit 15 || fail "the program did not end on Exit after the run"
