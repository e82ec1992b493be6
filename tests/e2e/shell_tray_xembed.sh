#!/usr/bin/env bash
# The tray icon docked in an XEmbed notification area: it shows up inside the tray with the
# tip as its title, and clicks on it reach the sink with the right button. Run with a tray,
# or with "late" and without one: the icon is then made first and docks once this script
# starts a tray.
#   shell_tray_xembed.sh PROBE [late]
source "$(dirname "$0")/shell_lib.sh"
probe=$1
late=${2:-}

# find_panel: sets panel to the notification area's window.
find_panel() {
    local tries
    for tries in $(seq 100); do
        panel=$(xdotool search --limit 1 --classname '^panel$' 2>/dev/null) && return 0
        sleep 0.05
    done
    fail "no tray panel on the display"
}

# find_icon TITLE: sets icon to the icon's window, found by the title it carries.
find_icon() {
    local title=$1 tries
    for tries in $(seq 100); do
        icon=$(xdotool search --limit 1 --name "^$title\$" 2>/dev/null) && return 0
        sleep 0.05
    done
    fail "no window titled '$title'"
}

# geometry WINDOW: sets x, y, width and height to the window's place on the screen.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    x=$X y=$Y width=$WIDTH height=$HEIGHT
}

# click BUTTON [REPEAT]: clicks where the pointer is, which is on the icon.
click() {
    xdotool click --repeat "${2:-1}" --delay 80 "$1"
}

start probe "$probe"
wait_for probe '^probe ready$'
if [[ $late == late ]]; then
    xdotool search --classname '^panel$' >/dev/null 2>&1 && fail "a tray is already running"
fi
ask probe 'tray Probe tip' '^tray (created|none)$'
expect "$reply" "tray created" "creating the icon"
if [[ $late == late ]]; then
    start tray trayer --edge top --align right --widthtype request --height 32
fi
find_panel
find_icon 'Probe tip'
# Docked means inside the panel, at a usable size.
geometry "$panel"
panel_x=$x panel_y=$y panel_width=$width panel_height=$height
docked() {
    geometry "$icon"
    ((x >= panel_x && y >= panel_y && x + width <= panel_x + panel_width &&
        y + height <= panel_y + panel_height && width > 4 && height > 4))
}
for tries in $(seq 100); do
    docked && break
    sleep 0.05
done
docked || fail "icon at ${width}x${height}+$x+$y is not inside the tray at" \
    "${panel_width}x${panel_height}+$panel_x+$panel_y"

# Onto the icon; xdotool's --sync is avoided, it can wait for a move the server skips.
xdotool mousemove $((x + width / 2)) $((y + height / 2))
for tries in $(seq 100); do
    eval "$(xdotool getmouselocation --shell)"
    ((X == x + width / 2 && Y == y + height / 2)) && break
    sleep 0.05
done
click 1
wait_for probe '^tray Press Left$'
wait_for probe '^tray Release Left$'
click 3
wait_for probe '^tray Press Right$'
wait_for probe '^tray Release Right$'
click 2
wait_for probe '^tray Press Middle$'
click 1 2
wait_for probe '^tray DoubleClick Left$'
expect "$(count probe '^tray DoubleClick')" 1 "double clicks reported"

# A new tip reaches the icon, whose window carries it as its title.
ask probe 'tip Neue Spitze – ok' '^tip set$'
find_icon 'Neue Spitze – ok'

# Removed, the icon leaves the tray.
ask probe untray '^untray$'
for tries in $(seq 100); do
    xdotool search --name '^Neue Spitze – ok$' >/dev/null 2>&1 || break
    sleep 0.05
done
xdotool search --name '^Neue Spitze – ok$' >/dev/null 2>&1 && fail "the icon is still there"

stop probe
