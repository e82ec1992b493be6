#!/usr/bin/env bash
# Timers, the work area and the pointer position of the GTK backend on a 1024x768 screen
# without panels, and windows smaller than GTK would make them.
#   test_backend.sh PROBE
source "$(dirname "$0")/window-probe-lib.sh"
probe=$1

probe_start "$probe" backend
probe_expect "fired early late" '^fired'
probe_expect "work area 0 0 1024 768" '^work area '
probe_wait "geometry tiny 300 200 7 3"
for point in "123 45" "1000 700"; do
    xdotool mousemove $point
    probe_say cursor
    probe_expect "cursor $point" '^cursor '
done
probe_say shrink
probe_wait "geometry tiny 310 210 2 1"
probe_stop
echo "PASS: backend"
