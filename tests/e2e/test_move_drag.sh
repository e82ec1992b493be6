#!/usr/bin/env bash
# A window moved by the pointer: the probe starts a move drag on the press; the window
# follows the pointer until the release, without a window manager to do it.
#   test_move_drag.sh PROBE
source "$(dirname "$0")/window-probe-lib.sh"
probe=$1

probe_start "$probe" drag
probe_wait ready
probe_expect "geometry drag 200 200 200 150" '^geometry '
expect_pixel 390 340 32 64 128 "window before the drag"

xdotool mousemove 250 250 mousedown 1
probe_expect "press drag left 50 50 at 250 250 mods 0x1" '^press '
for step in $(seq 10); do
    xdotool mousemove $((250 + 10 * step)) $((250 + 5 * step))
done
xdotool mouseup 1
probe_wait "geometry drag 300 250 200 150"
# The far corner is where the window now is, not where it was.
expect_pixel 490 390 32 64 128 "window after the drag"
probe_stop
echo "PASS: move drag"
