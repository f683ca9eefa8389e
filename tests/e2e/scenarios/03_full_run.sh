# A whole automatic run over every kind of target the prefix can hold, with the log and
# automatic close on: afterwards exactly the junk is gone, the log holds the run's
# block, and the program has closed itself.
new_prefix
c="$WINEPREFIX/drive_c"
local_app="$(user_dir)/AppData/Local"
temp="$(user_dir)/Temp"
[ -d "$temp" ] || temp="$local_app/Temp"

mk() { mkdir -p "$(dirname "$1")" && printf '%s' "${2-x}" >"$1"; }
gone=()
kept=()
junk() { mk "$1" "${2-x}"; gone+=("$1"); }
keep() { mk "$1" "${2-x}"; kept+=("$1"); }

junk "$temp/a.tmp"
junk "$temp/nested/b.dat"
keep "$temp/.keep"
junk "$local_app/Google/Chrome/User Data/Default/Cache/data_1"
junk "$local_app/Google/Chrome/User Data/Default/Cache/f_000001"
keep "$local_app/Google/Chrome/User Data/Default/Preferences"
junk "$local_app/Mozilla/Firefox/Profiles/abc.default/Cache/entries/x1"
keep "$local_app/Mozilla/Firefox/Profiles/abc.default/prefs.js"
junk "$c/UserJunk/a/b.txt"
junk "$c/loose.tmp"
for name in a.tmp b.bak c.log '~temp.doc' d.~xy Thumbs.db e.obj junk.name sub/f.old; do
  junk "$c/Search/$name"
done
junk "$c/Search/zero.txt" ""
mkdir -p "$c/Search/emptydir"
gone+=("$c/Search/emptydir")
for name in keep.txt photo.jpg Keep/x.tmp .hidden/y.tmp Thumbs.db.bak2 notes.LOGX; do
  keep "$c/Search/$name"
done

reg_import <<'REG'
[HKEY_CURRENT_USER\Software\Ambervale\Purgo]
"Autobegin"=dword:00000001
"Displaybox"=dword:00000000
"Displayresultsbox"=dword:00000000
"ShowEmptyrecycle"=dword:00000000
"Logs"=dword:00000001
"Autoclose"=dword:00000001
"Logfile"=dword:00000001
"Zerofile"=dword:00000001
"Empfolder"=dword:00000001
"Ext"="obj"
"FilesName"="junk.name"
"Pathnum"=dword:00000001
"Patha0"="C:\\Search"
"Pathexnum"=dword:00000001
"Pathexa0"="c:\\search\\keep\\"
"Foldernum"=dword:00000001
"Foldera0"="C:\\UserJunk"
"Filenum"=dword:00000001
"Filea0"="C:\\loose.tmp"
REG

start_program
wait_window "Ace Tidyhawk" 60 >/dev/null || fail "the main window did not appear"
wait_exit 60 || { screenshot full-run-stuck; fail "the program did not close itself after the run"; }

for f in "${gone[@]}"; do [ ! -e "$f" ] || fail "still there: ${f#"$WINEPREFIX"/}"; done
for f in "${kept[@]}"; do [ -e "$f" ] || fail "deleted: ${f#"$WINEPREFIX"/}"; done
[ -d "$c/UserJunk" ] || fail "the user's folder itself was removed"
[ -d "$c/Search" ] || fail "the search path itself was removed"
[ -d "$temp" ] || fail "the temporary folder itself was removed"

log="$(appdata_dir)/Ambervale/Tidyhawk/logs.log"
[ -f "$log" ] || fail "no clean log"
text=$(iconv -f UTF-8 -t UTF-8 "$log" 2>/dev/null | tr -d '\r')
echo "$text" | grep -q "Clean finished:" || fail "the log has no summary row"
echo "$text" | grep -q "Begin Search C:\\\\Search" || fail "the log has no search row"
echo "$text" | grep -qF 'C:\Search\zero.txt (0 byte)' || fail "the log does not list the zero-size file"
[ "$(head -c 3 "$log" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || fail "a new log is not UTF-8 with a mark"
[ -n "$(reg_value "$E2E_SETTINGS" Delfilenum)" ] || fail "Delfilenum was not saved after the run"
