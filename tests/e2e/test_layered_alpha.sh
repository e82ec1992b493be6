#!/usr/bin/env bash
# An opaque window, then a layered window over it, looked at before the probe's event loop
# runs again and once more after GTK has painted it: opaque pixels show their colour,
# transparent ones the window below, and half-transparent ones blend with it under a
# compositor ("blend") or show unblended without one ("cut").
#   test_layered_alpha.sh PROBE blend|cut
source "$(dirname "$0")/window-probe-lib.sh"
probe=$1
mode=$2

probe_start "$probe" layered
probe_wait "below shown"
expect_pixel 300 200 32 64 128 "opaque window"
probe_say "show layered"
probe_wait ready

check_layered() {
    expect_pixel 200 200 224 48 32 "opaque part $1"
    if [[ $mode == blend ]]; then
        # 50% white over #204080
        expect_pixel 300 200 144 160 192 "half-transparent part $1"
    else
        expect_pixel 300 200 128 128 128 "half-transparent part $1"
    fi
    expect_pixel 400 200 32 64 128 "transparent part $1"
}
check_layered "as presented"
# Once GTK has caught up with the resize it paints the window itself, from its own copy.
probe_say continue
probe_wait "geometry layered 150 150 300 100"
sleep 0.3
check_layered "as GTK paints it"
probe_stop
echo "PASS: layered window ($mode)"
