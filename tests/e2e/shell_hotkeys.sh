#!/usr/bin/env bash
# Global hot keys: presses reach the right callback whatever the lock keys, a combination is
# exclusive within the process and between clients, and it is free again once released.
#   shell_hotkeys.sh PROBE
source "$(dirname "$0")/shell_lib.sh"
probe=$1

# Modifiers: alt 1, control 2, shift 4. Virtual keys: B 0x42 (66), N 0x4E (78).
grab() {
    ask "$1" "grab $2 $3 $4" "^grab $2 "
    expect "$reply" "grab $2 $5" "$1 grabbing $2"
}

# set_locks CAPS NUM: toggles the lock keys into the wanted state and waits until the
# keyboard reports it, so a lock test can never pass with the lock off.
set_locks() {
    local tries
    ask first locks '^locks '
    [[ $reply == *"caps=$1"* ]] || xdotool key Caps_Lock
    [[ $reply == *"num=$2"* ]] || xdotool key Num_Lock
    for tries in $(seq 50); do
        ask first locks '^locks '
        [[ $reply == "locks caps=$1 num=$2" ]] && return 0
        sleep 0.05
    done
    fail "the lock keys stayed at '$reply'"
}

start first "$probe"
wait_for first '^probe ready$'

grab first cab 3 66 ok
grab first cab-again 3 66 refused
grab first csb 6 66 ok
# 0x07 is not a key.
grab first nothing 3 7 refused

# Two combinations on one key: each press goes to its own callback.
xdotool key ctrl+shift+b
wait_for first '^pressed csb$'
xdotool key ctrl+alt+b
wait_for first '^pressed cab$'

for locks in "off on" "on off" "on on"; do
    set_locks $locks
    before=$(count first '^pressed cab$')
    xdotool key ctrl+alt+b
    wait_for first '^pressed cab$' $((before + 1))
done
set_locks off off

# Another client cannot take a held combination, though it can take a free one.
start second "$probe"
wait_for second '^probe ready$'
grab second cab 3 66 refused
grab second can 3 78 ok
xdotool key ctrl+alt+n
wait_for second '^pressed can$'

# Released, the combination is free for others in every lock state.
ask first 'ungrab cab' '^ungrab cab$'
grab second cab 3 66 ok
set_locks on on
xdotool key ctrl+alt+b
wait_for second '^pressed cab$'
set_locks off off

# Held by the second client, then free once it has gone. Its connection closes as it exits;
# the server may take a moment to notice.
grab first cab 3 66 refused
stop second
for tries in $(seq 40); do
    ask first 'grab cab 3 66' '^grab cab '
    [[ $reply == "grab cab ok" ]] && break
    sleep 0.05
done
expect "$reply" "grab cab ok" "grabbing after the holder exited"
before=$(count first '^pressed cab$')
xdotool key ctrl+alt+b
wait_for first '^pressed cab$' $((before + 1))

stop first
