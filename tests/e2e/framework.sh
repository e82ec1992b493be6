#!/usr/bin/env bash
# The framework's messages on the real backend: a layered window's alpha on the screen and its
# clear pixels passing clicks through, a message box answered from the keyboard, a global hot
# key arriving as WM_HOTKEY, and a tray icon's click arriving as its callback message.
#   framework.sh PROBE layered|message|hotkey|tray
source "$(dirname "$0")/window-probe-lib.sh"
probe=$1

layered() {
    probe_start "$probe" layered
    probe_wait ready
    expect_pixel 150 200 0xE0 0x30 0x20 "opaque part"
    # Half white over the window below: (255 + 0x20) / 2 and so on.
    expect_pixel 250 200 $(((255 + 0x20) / 2)) $(((255 + 0x40) / 2)) $(((255 + 0x80) / 2)) "half part"
    expect_pixel 350 200 0x20 0x40 0x80 "clear part shows the window below"
    xdotool mousemove 350 200 click 1
    probe_expect "press below 250 100" '^press '
    xdotool mousemove 150 200 click 1
    probe_expect "press layered 50 100" '^press '
    probe_stop
}

message() {
    local keys answer
    for keys in Return:yes alt+n:no; do
        answer=${keys#*:}
        probe_start "$probe" message
        box=$(wait_for_window '^Probe question$')
        timeout 5 xdotool windowfocus --sync "$box" || fail "the box cannot take the focus"
        xdotool key "${keys%:*}"
        probe_expect "answer $answer" '^answer '
        probe_stop
    done
}

hotkey() {
    probe_start "$probe" hotkey
    probe_expect "registered 1" '^registered '
    probe_expect "second 0" '^second '
    xdotool key ctrl+alt+b
    probe_expect "hotkey 1001 3 66" '^hotkey '
    probe_stop
}

tray() {
    probe_start "$probe" tray
    probe_expect "added 1" '^added '
    # The docked icon carries the tip as its title.
    local icon= X Y WIDTH HEIGHT
    for _ in $(seq 50); do
        icon=$(xdotool search --limit 1 --name '^Probe tray tip$' 2>/dev/null) || true
        if [[ -n $icon ]]; then
            eval "$(xdotool getwindowgeometry --shell "$icon")"
            ((WIDTH > 4 && HEIGHT > 4)) && break
        fi
        sleep 0.1
    done
    [[ -n $icon ]] || fail "the tray icon never appeared"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
    sleep 0.2
    # WM_RBUTTONDOWN (516) does nothing to the probe; WM_LBUTTONDOWN (513) ends it. The
    # releases (517, 514) come too.
    xdotool click 3
    probe_next '^tray 128 516$'
    xdotool click 1
    probe_next '^tray 128 513$'
    probe_stop
}

"$2"
echo "PASS: framework $2"
