#!/usr/bin/env bash
# Pointer and keyboard input reaching a window as the framework expects it: button flags as
# they are after the event, event times, wheel steps of 120, Windows key codes with the
# extended flag and the typed character, and leaving the window.
#   test_input.sh PROBE
source "$(dirname "$0")/window-probe-lib.sh"
probe=$1

probe_start "$probe" input
probe_wait ready
window=$(wait_for_window '^Probe input$')
timeout 5 xdotool windowfocus --sync "$window" || fail "the window cannot take the focus"
xdotool mousemove 250 260
sleep 0.1

# A double click: both presses, then the double click; the framework tells double clicks by
# the events' times, which put the presses about 100 ms apart.
xdotool click --repeat 2 --delay 100 1
mouse='^(press|release|doubleclick) input '
probe_expect "press input left 50 60 at 250 260 mods 0x1" "$mouse"
probe_expect "release input left 50 60 at 250 260 mods 0x0" "$mouse"
probe_expect "press input left 50 60 at 250 260 mods 0x1" "$mouse"
probe_next '^interval input '
interval=${probe_line##* }
((interval >= 100 && interval < 400)) || fail "presses $interval ms apart, expected about 100"
probe_expect "doubleclick input left 50 60 at 250 260 mods 0x1" "$mouse"
probe_expect "release input left 50 60 at 250 260 mods 0x0" "$mouse"

# xdotool arguments | what the probe reports, in order
cases=(
    "click 3|press input right 50 60 at 250 260 mods 0x2;release input right 50 60 at 250 260 mods 0x0"
    "keydown Shift_L click 1 keyup Shift_L|press input left 50 60 at 250 260 mods 0x5;release input left 50 60 at 250 260 mods 0x4"
    "click 4|wheel input 120 50 60 at 250 260 mods 0x0"
    "click 5|wheel input -120 50 60 at 250 260 mods 0x0"
    "key shift+a|key input down vk 0x41 ext 0 char 0x41 mods 0x4;key input up vk 0x41 ext 0 char 0x0 mods 0x0"
    "key ctrl+c|key input down vk 0x43 ext 0 char 0x0 mods 0x8"
    "key Right|key input down vk 0x27 ext 1 char 0x0 mods 0x0"
    "key KP_Enter|key input down vk 0xd ext 1 char 0xd mods 0x0"
    "key F5|key input down vk 0x74 ext 0 char 0x0 mods 0x0"
    "key semicolon|key input down vk 0xba ext 0 char 0x3b mods 0x0"
    "mousemove 10 10|leave input none -190 -190 at 10 10 mods 0x0"
)
for c in "${cases[@]}"; do
    IFS=' ' read -r -a command <<<"${c%%|*}"
    echo "--- xdotool ${command[*]}" >&2
    xdotool "${command[@]}"
    IFS=';' read -r -a lines <<<"${c#*|}"
    for line in "${lines[@]}"; do
        # Key lines are matched by key code, so the modifier keys' own lines are skipped.
        if [[ $line == key* ]]; then
            code=${line#* vk }
            prefix="^key input (down|up) vk ${code%% *} "
        else
            prefix='^(press|release|doubleclick|wheel|leave) input '
        fi
        probe_expect "$line" "$prefix"
    done
done

# A grabbed pointer reports to the window wherever it is.
xdotool mousemove 250 260
probe_say grab
probe_expect grabbed '^(not )?grabbed$'
xdotool mousemove 10 10 click 1
probe_expect "press input left -190 -190 at 10 10 mods 0x1" '^press '
probe_say ungrab
probe_wait ungrabbed
probe_stop
echo "PASS: input"
