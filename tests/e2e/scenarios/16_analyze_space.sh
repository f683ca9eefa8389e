# Analyze, then Clean, over files of known sizes: the analysis lists exactly the bytes
# the scenario made and leaves every file in place; the clean then frees exactly that
# number, says so in the list and the log, and reports the drive's growth.
new_prefix
c="$WINEPREFIX/drive_c"
local_app="$(user_dir)/AppData/Local"
temp="$(user_dir)/Temp"
[ -d "$temp" ] || temp="$local_app/Temp"
list_text="$REPO/build/$TIDY_WIN_TREE/list_text.exe"
[ -f "$list_text" ] || fail "the list_text helper is not built"

sized() { mkdir -p "$(dirname "$1")" && head -c "$2" /dev/zero | tr '\0' x >"$1"; }
rm -rf "${temp:?}"/* 2>/dev/null
sized "$temp/a.tmp" 1000
sized "$temp/nested/b.dat" 2000
sized "$temp/nested/deeper/c.bin" 4096
chrome="$local_app/Google/Chrome/User Data/Default/Cache"
sized "$chrome/data_1" 300
sized "$chrome/f_000001" 700
sized "$local_app/Google/Chrome/User Data/Default/Preferences" 50
sized "$c/UserJunk/a/b.txt" 1500
sized "$c/Search/old.tmp" 250
sized "$c/Search/keep.txt" 20
made=(); for f in "$temp"/a.tmp "$temp"/nested/b.dat "$temp"/nested/deeper/c.bin "$chrome"/data_1 \
  "$chrome"/f_000001 "$c"/UserJunk/a/b.txt "$c"/Search/old.tmp; do made+=("$f"); done
total=0; for f in "${made[@]}"; do total=$((total + $(stat -c %s "$f"))); done
grouped=$(echo "$total" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta')

# Only the temporary folder and the Chrome cache among the categories: the rest of the
# prefix holds files this scenario did not make.
{
  echo '[HKEY_CURRENT_USER\Software\Ambervale\Purgo]'
  for name in Interfolder Thumbs Tempfile FirefoxCache Errorreport Zerofile Picthumb GoogleEarth \
    Acrobatreader Hotfix Logfile Acdsee WDIfile Empfolder DataStore Burncache ReadyBoost SafariCache \
    FFunsafeurls Javacache SearchDB WMPcache Flashcache Flaxhcookies OperaCache Winsxs WMPdatabase \
    Recycle Displaybox Displayresultsbox ShowEmptyrecycle Autoclose Autobegin; do
    echo "\"$name\"=dword:00000000"
  done
  cat <<'REG'
"Tempfolder"=dword:00000001
"ChromeCache"=dword:00000001
"Oldfile"=dword:00000001
"Display"=dword:00000001
"Logs"=dword:00000001
"Pathnum"=dword:00000001
"Patha0"="C:\\Search"
"Foldernum"=dword:00000001
"Foldera0"="C:\\UserJunk"
REG
} | reg_import

start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
wait_summary "$wid" 20 || fail "no settings summary after the start"
rows() { wine "$list_text" "Ace Tidyhawk" 2>/dev/null | tr -d '\r'; }
wait_row() { # text, seconds: waits until a row of the list holds the text
  for _ in $(seq 1 $(($2 * 2))); do
    rows >"$SCENARIO_DIR/rows.txt"
    grep -qF "$1" "$SCENARIO_DIR/rows.txt" && return 0
    sleep 0.5
  done
  return 1
}

click_design "$wid" 733 524 88 32 # Analyze
wait_row " Analysis finished: " 60 || { screenshot analyze-stuck; fail "the analysis did not finish"; }
cp "$SCENARIO_DIR/rows.txt" "$SCENARIO_DIR/analysis-rows.txt"
settled_shot analysis-results "$wid"
grep -F " Analysis finished: " "$SCENARIO_DIR/rows.txt" | grep -qF "($grouped bytes) can be freed." ||
  fail "the analysis did not find $grouped bytes: $(grep -F 'Analysis finished' "$SCENARIO_DIR/rows.txt")"
grep -qF "Search path: C:\\Search: 1 files or folders, 250 bytes" "$SCENARIO_DIR/rows.txt" ||
  fail "no row for the search path"
grep -qF 'C:\Search\old.tmp  250 bytes' "$SCENARIO_DIR/rows.txt" || fail "the junk file is not listed with its size"
for f in "${made[@]}"; do [ -e "$f" ] || fail "the analysis deleted ${f#"$WINEPREFIX"/}"; done
[ -f "$(appdata_dir)/Ambervale/Tidyhawk/logs.log" ] && fail "the analysis wrote a log"

click_design "$wid" 733 524 29 32 # Clean
wait_row "Space freed: " 60 || { screenshot clean-stuck; fail "the clean did not report the space freed"; }
sleep 1
rows >"$SCENARIO_DIR/rows.txt"
grep -F "Space freed: " "$SCENARIO_DIR/rows.txt" | grep -qF "($grouped bytes)" ||
  fail "the clean did not free $grouped bytes: $(grep -F 'Space freed' "$SCENARIO_DIR/rows.txt")"
grep -qF " Drive C: free space grew by " "$SCENARIO_DIR/rows.txt" || fail "no drive row"
for f in "${made[@]}"; do [ ! -e "$f" ] || fail "still there: ${f#"$WINEPREFIX"/}"; done
[ -e "$c/Search/keep.txt" ] || fail "the clean deleted a file it should keep"
[ -e "$local_app/Google/Chrome/User Data/Default/Preferences" ] || fail "the clean deleted Chrome's settings"
settled_shot clean-results "$wid"

log="$(appdata_dir)/Ambervale/Tidyhawk/logs.log"
for _ in $(seq 1 20); do [ -f "$log" ] && break; sleep 0.25; done
text=$(tr -d '\r' <"$log")
echo "$text" | grep -F "Space freed: " | grep -qF "($grouped bytes)" || fail "the log has no space freed row"
echo "$text" | grep -qF " Drive C: free space grew by " || fail "the log has no drive row"
