# The release (make dist): the portable zip holds just its five files and a stripped
# program that carries its version; the installer, run silently on a fresh prefix, puts
# the program, its Start-menu shortcut and its uninstall entry where they belong; the
# shortcut starts the installed program; the silent uninstall that the entry names
# takes away everything of it but the settings key and the data folder, the Explorer
# verb the program wrote included.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$REPO/build/win32-release/CMakeCache.txt" 2>/dev/null)
[ -n "$version" ] || fail "no release tree: run make dist first"
zip="$REPO/dist/AceTidyhawk-$version-portable.zip"
# Where 32-bit programs cannot run, the installer made by the same script around the
# 64-bit Release build stands in for the shipped one.
release="$REPO/build/$TIDY_WIN_TREE-release"
if [ "$TIDY_WIN_TREE" = win32 ]; then setup_dir="$REPO/dist"; else setup_dir="$release/dist"; fi
setup="$setup_dir/AceTidyhawk-$version-setup.exe"
[ -f "$zip" ] && [ -f "$setup" ] || fail "no zip or installer of $version: run make dist first"

listing=$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')
[ "$listing" = "LICENSE.txt README.txt WindowsTidyhawk.exe end.wav help.html " ] ||
  fail "the zip holds: $listing"
zipped="$SCENARIO_DIR/zipped.exe"
unzip -p "$zip" WindowsTidyhawk.exe >"$zipped"
grep -q '\.debug' <<<"$(i686-w64-mingw32-objdump -h "$zipped")" &&
  fail "the zipped program carries debug information"
[ -z "$(i686-w64-mingw32-nm "$zipped" 2>/dev/null)" ] || fail "the zipped program keeps its symbols"
# The version resource's strings, as name and value lines.
details=$(strings -el "$zipped" | sed -n '/^StringFileInfo$/,/^VarFileInfo$/p')
detail() { awk -v n="$1" 'found {print; exit} $0 == n {found = 1}' <<<"$details"; }
for name in CompanyName FileDescription LegalCopyright; do
  [ -n "$(detail "$name")" ] || fail "the version resource has no $name"
done
[ "$(detail ProductName)" = "Ace Tidyhawk" ] || fail "ProductName is '$(detail ProductName)'"
for name in FileVersion ProductVersion; do
  [ "$(detail "$name")" = "$version" ] || fail "$name is '$(detail "$name")', not $version"
done

new_prefix
# Wine would copy the shortcut into the desktop's own menus.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
wine "$setup" /S </dev/null >"$SCENARIO_DIR/setup.log" 2>&1 || fail "the silent install failed"

installed="$(user_dir)/AppData/Local/Programs/Ace Tidyhawk"
for file in WindowsTidyhawk.exe help.html end.wav LICENSE.txt Uninstall.exe; do
  [ -f "$installed/$file" ] || fail "no $file in AppData\\Local\\Programs\\Ace Tidyhawk"
done
cmp -s "$installed/WindowsTidyhawk.exe" "$release/WindowsTidyhawk.exe" ||
  fail "the installed program is not the Release build"
shortcut="$(appdata_dir)/Microsoft/Windows/Start Menu/Programs/Ace Tidyhawk.lnk"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"

entry_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\AceTidyhawk'
entry=$(wine reg query "$entry_key" 2>/dev/null)
folder=$(winepath -w "$installed" 2>/dev/null)
while IFS='|' read -r name want; do
  got=$(reg_field "$name" <<<"$entry")
  [ "$got" = "$want" ] || fail "uninstall entry: $name is '$got', not '$want'"
done <<EOF
DisplayName|Ace Tidyhawk
DisplayVersion|$version
Publisher|Ambervale
DisplayIcon|$folder\\WindowsTidyhawk.exe,0
InstallLocation|$folder
UninstallString|"$folder\\Uninstall.exe"
QuietUninstallString|"$folder\\Uninstall.exe" /S
NoModify|0x1
NoRepair|0x1
EOF
# In kilobytes, as the installed files add up.
size=$(($(reg_field EstimatedSize <<<"$entry")))
files_kb=$(($(du -sb "$installed" | cut -f1) / 1024))
[ $((size * 10)) -ge $((files_kb * 9)) ] && [ $((size * 10)) -le $((files_kb * 11)) ] ||
  fail "EstimatedSize is $size KB for $files_kb KB of files"

# Started from its shortcut. Opening the settings dialog writes the Explorer verb
# (option "Integrated with Windows Explorer context menu" is on at first).
wine start "$(winepath -w "$shortcut")" </dev/null >"$SCENARIO_DIR/program.log" 2>&1
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the shortcut did not start the program"
grep -qF "$folder\\WindowsTidyhawk.exe" <<<"$(ps -eo args)" ||
  fail "the program that started is not the installed one"
wait_summary "$wid" || fail "no settings summary after the start"
click_client "$wid" 733 524 147 32
dlg=$(wait_window "Tidyhawk Settings" 10) || fail "the settings dialog did not open"
sleep 0.3
click_client "$dlg" 359 354 313 337 # Cancel
wait_gone "Tidyhawk Settings" 10 || fail "Cancel did not close the dialog"
reg_key_exists 'HKCU\Software\Classes\Folder\shell\Run Tidyhawk' || fail "the program wrote no Explorer verb"
click_client "$wid" 733 524 336 32 # Exit
wait_gone "Ace Tidyhawk" 15 || fail "the program did not end on Exit"

# The uninstaller runs on from a copy of itself in the temporary folder, and removes the
# uninstall entry last.
quiet=$(reg_field QuietUninstallString <<<"$entry")
uninstaller=${quiet#\"}
uninstaller=${uninstaller%%\"*}
wine "$uninstaller" ${quiet##*\" } </dev/null >"$SCENARIO_DIR/uninstall.log" 2>&1 ||
  fail "the silent uninstall failed to start"
for _ in $(seq 1 50); do
  reg_key_exists "$entry_key" || break
  sleep 0.2
done
reg_key_exists "$entry_key" && fail "the uninstall entry is still there after 10 s"

[ -e "$installed" ] && fail "left in the program's folder: $(ls -A "$installed" | tr '\n' ' ')"
[ -e "$shortcut" ] && fail "the Start-menu shortcut is still there"
data="$(appdata_dir)/Ambervale/Tidyhawk"
[ -d "$data" ] || fail "the uninstall took the data folder"
left=$(find "$WINEPREFIX/drive_c" -iname '*tidyhawk*' ! -path "$data")
[ -z "$left" ] || fail "left behind: $left"
export_file="$SCENARIO_DIR/hkcu.reg"
wine regedit /E "$(winepath -w "$export_file" 2>/dev/null)" HKEY_CURRENT_USER || fail "could not export the registry"
keys=$(iconv -f UTF-16LE -t UTF-8 "$export_file" | tr -d '\r' | grep '^\[')
grep -qxF "[$(sed 's/^HKCU/HKEY_CURRENT_USER/' <<<"$E2E_SETTINGS")]" <<<"$keys" ||
  fail "the uninstall took the settings key"
left=$(grep -i 'tidyhawk' <<<"$keys")
[ -z "$left" ] || fail "registry keys left behind: $(echo $left)"
