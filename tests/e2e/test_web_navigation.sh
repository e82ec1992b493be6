#!/usr/bin/env bash
# The host's navigation hook and document-start script on a real page: every navigation of the
# page and of its frames is asked about once, a cancelled one never reaches the server and the
# page stays; new windows are asked about once and load in place; the host's script runs in
# every frame before the page's own scripts.
#   test_web_navigation.sh PROBE
source "$(dirname "$0")/test_web_lib.sh"
probe=$1

# show_index: loads the test page and waits until it and its frame have run their scripts.
show_index() {
    server_mark
    probe_say "navigate $site/index.html"
    # The pages' first scripts already see what the host's script defines, each in its frame.
    server_wait '/report\?page=indexhtml&loaded=1&external=web_probe-indexhtml '
    server_wait '/report\?page=framehtml&loaded=1&external=web_probe-framehtml '
}

server_start
web_probe_start "$probe"
show_index
probe_expect "ask $site/index.html allow" '^ask '
# The frame's first load is asked about too.
probe_expect "ask $site/frame.html allow" '^ask '

# Links of the page and of its frame (screen points), then window.open from a button: the
# cancelled ones are asked about once each and go nowhere.
cancelled=(
    "340 155|$site/landing.html?to=cancelme"
    "340 275|$site/landing.html?to=framecancelme"
    "340 215|$site/landing.html?to=opened-cancelme"
)
for c in "${cancelled[@]}"; do
    read -r x y <<<"${c%%|*}"
    xdotool mousemove "$x" "$y" click 1
    probe_expect "ask ${c#*|} cancel" '^ask '
done
expect_address "$site/index.html"

# The frame still goes where it may, and the page stays with it.
server_mark
xdotool mousemove 190 275 click 1
probe_expect "ask $site/landing.html?to=framenext allow" '^ask '
server_wait '/report\?page=landinghtmltoframenext&loaded=1 '
expect_address "$site/index.html"

server_mark
xdotool mousemove 190 155 click 1
probe_expect "ask $site/landing.html?to=next allow" '^ask '
server_wait '/report\?page=landinghtmltonext&loaded=1 '
expect_address "$site/landing.html?to=next"

# A link to a new window and window.open: asked about exactly once, loaded in the same view.
# A second question would come before the page loads, so before the address is asked for.
for c in "490 155|blank" "190 215|opened"; do
    read -r x y <<<"${c%%|*}"
    to=${c#*|}
    show_index
    server_mark
    xdotool mousemove "$x" "$y" click 1
    server_wait "/report\?page=landinghtmlto$to&loaded=1 "
    probe_say address
    probe_lines_until '^address '
    asked=$(count_probe_lines "^ask $site/landing.html\\?to=$to ")
    ((asked == 1)) || fail "the new window to '$to' was asked about $asked times"
    [[ ${probe_lines[-1]} == "address $site/landing.html?to=$to" ]] ||
        fail "the new window to '$to' did not load in place: ${probe_lines[-1]}"
done
# No window of its own came up for either.
windows=$(xdotool search --onlyvisible --classname '^web_probe$' | wc -l)
((windows == 1)) || fail "the probe shows $windows windows"

(($(server_count '/landing.html\?to=[a-z-]*cancelme') == 0)) || fail "the server saw a cancelled address"
web_probe_stop
echo "PASS: web navigation"
