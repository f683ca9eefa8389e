# First start on an empty registry: the window opens, the settings key and the data
# folder appear, no option is written; a resize saves the placement; Exit ends it.
new_prefix
start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
sleep 1.5 # the start-up chain runs 200 ms after the window shows
screenshot first-start

data="$(appdata_dir)/Ambervale/Tidyhawk"
[ -d "$data" ] || fail "no data folder at AppData\\Roaming\\Ambervale\\Tidyhawk"
wine reg query "$E2E_SETTINGS" >/dev/null 2>&1 || fail "the settings key was not created"
values=$(reg_values "$E2E_SETTINGS")
[ -z "$values" ] || fail "values written on first start: $(echo $values)"

# Drag the lower right corner 60 by 40 pixels outwards.
read -r wx wy ww wh <<<"$(window_geometry "$wid")"
xdotool mousemove --sync $((wx + ww - 3)) $((wy + wh - 3)) mousedown 1
xdotool mousemove --sync $((wx + ww + 30)) $((wy + wh + 20))
xdotool mousemove --sync $((wx + ww + 57)) $((wy + wh + 37)) mouseup 1
sleep 1
read -r _ _ nw nh <<<"$(window_geometry "$wid")"
[ "$nw" -gt "$ww" ] || fail "the window did not grow when dragged ($ww -> $nw)"
screenshot first-start-resized
values=$(reg_values "$E2E_SETTINGS")
width=$(reg_value "$E2E_SETTINGS" Width)
[ -n "$width" ] || fail "the placement was not saved after a resize: $(echo $values)"
[ $((width)) -eq "$nw" ] || fail "saved width $((width)) is not the window's $nw"
[ "$(reg_value "$E2E_SETTINGS" Maximize)" = "0x0" ] || fail "Maximize should be saved as 0"
echo "$values" | grep -q Tempfolder && fail "an option value was written"

# Exit: the eighth toolbar button, left 307, 59 by 61 in the toolbar's first row.
click_client "$wid" $((nw - ww + 733)) $((nh - wh + 524)) 336 32
wait_exit 15 || fail "the program did not end on Exit"
