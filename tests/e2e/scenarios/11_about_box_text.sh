# The about box shows its texts over the picture: the product name and the web address
# in purple, "Check Update Now." in maroon.
new_prefix
start_program
wid=$(wait_window "Ace Tidyhawk" 60) || fail "the main window did not appear"
wait_summary "$wid" || fail "no settings summary after the start"
click_client "$wid" 733 524 271 32
about=$(wait_window "About" 10) || fail "the about box did not open"
sleep 0.5
window_shot about-box-text "$about"
shot="$E2E_SHOTS/about-box-text.png"
# In the shot the client starts 3 pixels in and 22 down; the product name and address
# stand at the top right (172..308, 8..42), the update link at the top left.
purple=$(colour_count "$shot" 140x40+175+30 "#800080")
maroon=$(colour_count "$shot" 115x20+12+35 "#800000")
[ "${purple:-0}" -gt 50 ] || fail "the product name and address are not shown ($purple purple pixels)"
[ "${maroon:-0}" -gt 20 ] || fail "\"Check Update Now.\" is not shown ($maroon maroon pixels)"
click_client "$about" 312 215 155 196
wait_gone "About" 10 || fail "the about box stayed open after OK"
click_client "$wid" 733 524 336 32
wait_exit 15 || fail "the program did not end on Exit"
