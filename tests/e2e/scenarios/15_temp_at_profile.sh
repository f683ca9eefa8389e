# TMP and TEMP naming the profile itself (as when both are unset and Windows falls back
# to it): an automatic run empties nothing of the profile, says so in its list and in
# the log, and closes as usual.
new_prefix
profile="$(user_dir)"
mk() { mkdir -p "$(dirname "$1")" && printf x >"$1"; }
kept=("$profile/Documents/thesis.docx" "$profile/Desktop/todo.txt" "$profile/notes.tmp"
  "$profile/Temp/a.tmp" "$profile/Favorites/site.url")
for f in "${kept[@]}"; do mk "$f"; done
before=$(cd "$profile" && find . -path ./AppData -prune -o -print | sort)

reg_import <<REG
[HKEY_CURRENT_USER\\Environment]
"TEMP"="C:\\\\users\\\\$(id -un)"
"TMP"="C:\\\\users\\\\$(id -un)"

[HKEY_CURRENT_USER\\Software\\Ambervale\\Purgo]
"Autobegin"=dword:00000001
"Tempfolder"=dword:00000001
"Displaybox"=dword:00000000
"Displayresultsbox"=dword:00000000
"ShowEmptyrecycle"=dword:00000000
"Logs"=dword:00000001
"Autoclose"=dword:00000001
REG

start_program
wait_window "Ace Tidyhawk" 60 >/dev/null || fail "the main window did not appear"
wait_exit 60 || { screenshot temp-at-profile-stuck; fail "the program did not close itself after the run"; }

for f in "${kept[@]}"; do [ -e "$f" ] || fail "deleted: ${f#"$profile"/}"; done
after=$(cd "$profile" && find . -path ./AppData -prune -o -print | sort)
[ "$before" = "$after" ] || fail "the profile changed: $(diff <(echo "$before") <(echo "$after") | head -3 | tr '\n' ' ')"
log="$(appdata_dir)/Ambervale/Tidyhawk/logs.log"
[ -f "$log" ] || fail "no clean log"
grep -q "Refused (a protected folder or an unsafe path)" "$log" || fail "the log has no refusal row"
