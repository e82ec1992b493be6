#!/usr/bin/env bash
# Clicks on a layered window: a fully transparent pixel lets the press through to the window
# below; opaque and half-transparent pixels take it. The clicks happen before the probe's
# event loop runs again, so the input shape was in place when presenting returned.
#   test_layered_click.sh PROBE
source "$(dirname "$0")/window-probe-lib.sh"
probe=$1

probe_start "$probe" layered
probe_wait "below shown"
probe_say "show layered"
probe_wait ready

# screen x, y | what the probe reports
cases=(
    "400 200|press below left 300 100 at 400 200 mods 0x1"
    "200 200|press layered left 50 50 at 200 200 mods 0x1"
    "300 200|press layered left 150 50 at 300 200 mods 0x1"
    "349 200|press layered left 199 50 at 349 200 mods 0x1"
    "350 200|press below left 250 100 at 350 200 mods 0x1"
    "200 249|press layered left 50 99 at 200 249 mods 0x1"
    "200 250|press below left 100 150 at 200 250 mods 0x1"
)
for c in "${cases[@]}"; do
    read -r x y <<<"${c%%|*}"
    xdotool mousemove "$x" "$y" click 1
done
probe_say continue
for c in "${cases[@]}"; do
    probe_expect "${c#*|}" '^press '
done
probe_stop
echo "PASS: layered click-through"
