#!/usr/bin/env bash
# Pointer and keys on a page: a right click opens no menu (on a text field neither), while a
# view whose host allows the menu does show one; right-button-as-left turns a right click into
# a left press, release and click without a contextmenu event; the view's focus takes the keys
# from the window and the window's takes them back; input over the view is not the window's.
#   test_web_mouse.sh PROBE
source "$(dirname "$0")/test_web_lib.sh"
probe=$1

# Screen points of mouse.html's elements, the view being at 120,130.
area=(220 205)
mark=(470 205)
field=(300 360)
outside=(680 300)  # the window around the view

# show_mouse_page: (re)loads mouse.html, so its list of events starts empty.
show_mouse_page() {
    server_mark
    probe_say "navigate $site/mouse.html"
    server_wait '/report\?page=mousehtml&loaded=1 '
    # Drawn, too: the screen is compared before and after clicks.
    expect_pixel 130 140 180 60 60 "the page's first element"
}

# events_after X Y BUTTON LAST: clicks there and waits until the page's list of events ends with
# LAST; then clicks the left button on #mark and sets events to the page's whole list once the
# mark's click is in it. A menu, had one opened, would have taken that second click. (The
# engine drops pointer events that come in while it decides on a menu, so the second click
# waits for the first to be through.)
events=
events_after() {
    server_mark
    xdotool mousemove "$1" "$2" click "$3"
    server_wait "/report\?page=mousehtml&events=[a-z0-9.-]*$4 "
    server_mark
    xdotool mousemove "${mark[@]}" click 1
    server_wait '/report\?page=mousehtml&events=[a-z0-9.-]*click0-mark '
    events=$(tail -n +$((server_seen + 1)) "$web_home/server.log" |
        sed -nE 's/.*events=([a-z0-9.-]*click0-mark) .*/\1/p' | head -n1)
}

# no_menu_after_right_click X Y WHAT: nothing changes on the screen next to the point where a
# menu would open, and no new window is shown.
no_menu_after_right_click() {
    local x=$1 y=$2 what=$3 windows
    xdotool mousemove "$x" "$y"
    windows=$(xdotool search --onlyvisible --name '' | wc -l)
    region_shot before $((x + 12)) $((y + 12)) 150 150
    events_after "$x" "$y" 3 "contextmenu2-$what"
    # Whether the engine sends the page the right button's release after a contextmenu event
    # is its own affair.
    [[ $events =~ ^mousedown2-$what\.contextmenu2-$what\.(mouseup2-$what\.)?mousedown0-mark\.mouseup0-mark\.click0-mark$ ]] ||
        fail "a right click on $what: the page saw $events"
    region_shot after $((x + 12)) $((y + 12)) 150 150
    region_changed before after && fail "the screen changed next to a right click on $what"
    (($(xdotool search --onlyvisible --name '' | wc -l) == windows)) ||
        fail "a window came up after a right click on $what"
}

server_start
web_probe_start "$probe"
timeout 5 xdotool windowfocus --sync "$window" || fail "the window cannot take the focus"
show_mouse_page
# Showing the window gave the page no focus: keys are the window's until something does.
xdotool key x
probe_lines_until '^window key |^webview focus'
[[ ${probe_lines[-1]} == "window key 88" ]] || fail "with a page just shown, ${probe_lines[-1]}"

no_menu_after_right_click "${area[@]}" area
show_mouse_page
no_menu_after_right_click "${field[@]}" field

# The right button as the left one, then back.
probe_say_done right-as-left on
show_mouse_page
events_after "${area[@]}" 3 click0-area
[[ $events == "mousedown0-area.mouseup0-area.click0-area.mousedown0-mark.mouseup0-mark.click0-mark" ]] ||
    fail "with the right button as the left one, a right click was $events"
probe_say_done right-as-left off
show_mouse_page
events_after "${area[@]}" 3 contextmenu2-area
[[ $events == mousedown2-area.contextmenu2-area.* ]] ||
    fail "with the right button itself again, a right click was $events"

# Keys go to the page once a click has given it the focus, to the window when that takes it
# back, and to the page again when it is given the focus.
probe_say_done window-focus
server_mark
xdotool mousemove "${field[@]}" click 1
probe_wait "webview focus"
xdotool type abc
server_wait '/report\?page=mousehtml&typed=abc '
probe_say_done window-focus
xdotool key x
probe_lines_until '^window key '
[[ ${probe_lines[-1]} == "window key 88" ]] || fail "the window got ${probe_lines[-1]}, expected X"
probe_say_done focus
xdotool key d
server_wait '/report\?page=mousehtml&typed=abcd '

# Going from the window into the view leaves the window; presses in the view are the page's.
xdotool mousemove "${outside[@]}"
sleep 0.2
xdotool mousemove "${area[@]}"
probe_wait "window leave"
server_mark
xdotool click 1
server_wait '/report\?page=mousehtml&events=[a-z0-9.-]*click0-area '
xdotool mousemove "${outside[@]}" click 1
probe_lines_until '^window press '
[[ ${probe_lines[-1]} == "window press 580 200" ]] || fail "the window got ${probe_lines[-1]}"

# While the window holds the pointer, presses over the view are the window's too.
probe_say grab
probe_expect grabbed '^(not )?grabbed$'
xdotool mousemove "${area[@]}" click 1
probe_expect "window press 120 105" '^window press '
probe_say_done ungrab
# The page saw the click before the grab and the one after it, not the one during it.
events_after "${area[@]}" 1 click0-area
clicks=$(grep -o 'click0-area' <<<"$events" | wc -l)
((clicks == 2)) || fail "the page saw $clicks clicks where it should have seen 2: $events"
web_probe_stop

# Where the host allows the engine's menu, the same right click does show one: what shows
# nothing above is the setting, not a click that went astray.
web_probe_start "$probe" --context-menu
timeout 5 xdotool windowfocus --sync "$window" || fail "the window cannot take the focus"
show_mouse_page
xdotool mousemove "${area[@]}"
region_shot before 232 217 150 150
xdotool click 3
for _ in $(seq 50); do
    region_shot after 232 217 150 150
    region_changed before after && break
    sleep 0.2
done
region_changed before after || fail "the engine's menu did not show where the host allows it"
xdotool key Escape
web_probe_stop
echo "PASS: web mouse"
