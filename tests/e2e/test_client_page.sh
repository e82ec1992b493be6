#!/usr/bin/env bash
# The launcher page in the real client against the demo site: it loads inside the launcher's
# panel with window.external answering by the client's rule, a right click shows no menu,
# ordinary links load, and "进入游戏" never takes the launcher page to the game address.
#   test_client_page.sh CLIENT
source "$(dirname "$0")/launcher-lib.sh"
client=$1
site_dir=$(mktemp -d)
run_site="$(dirname "$0")/../../demo-site/run-site"

page_cleanup() {
    "$run_site" stop "$site_dir" >/dev/null 2>&1 || true
    rm -rf "$site_dir"
    launcher_cleanup
}
trap page_cleanup EXIT

eval "$("$run_site" start "$site_dir")"
log=$site_dir/requests.log

# requests REGEX: how many logged requests match.
requests() {
    grep -cE -- "$1" "$log" || true
}

# wait_request REGEX WHAT: waits up to 20 seconds for a matching request.
wait_request() {
    for _ in $(seq 200); do
        (($(requests "$1") > 0)) && return 0
        sleep 0.1
    done
    cat "$log" >&2
    fail "$2: no request matching '$1'"
}

# click_page X Y [BUTTON]: clicks at a point of the launcher page.
click_page() {
    geometry "$dialog"
    xdotool mousemove $((gx + $1)) $((gy + $2)) click "${3:-1}"
}

CLIENT_GAME_SITE=$GAME_SITE CLIENT_PLATFORM_SITE=$PLATFORM_SITE client_start "$client"
geometry "$launcher"
launcher_x=$gx launcher_y=$gy
geometry "$dialog"
((gx == launcher_x + 536 && gy == launcher_y + 286)) ||
    fail "the page's dialog is at $gx,$gy, not over the panel of the launcher at $launcher_x,$launcher_y"

wait_request $'^game\tGET\t/client\t' "the client entry page"
wait_request 'probe=external' "the page's report of window.external"
expected='has_external=1&xxyyzz=Wibble&fw_xxyyzz=Wibble&xxyq=Wibble&XXYYZZ=!error&xx=!error'
grep -qF "probe=external&$expected" "$log" ||
    fail "window.external answered $(grep -o 'probe=external[^[:space:]]*' "$log"), expected $expected"

# The page is on the screen: a picture, not one flat colour.
for _ in $(seq 50); do
    import -window root "$shots/screen.png"
    colours=$(convert "$shots/screen.png" -crop "610x344+$gx+$gy" +repage -unique-colors \
        -format '%w' info:)
    ((colours > 50)) && break
    sleep 0.2
done
((colours > 50)) || fail "the launcher page shows only $colours colours"

# A right click opens no menu: no new window of the client appears.
before=$(xdotool search --onlyvisible --pid "$client_pid" | sort | tr '\n' ' ')
click_page 300 320 3
sleep 1
after=$(xdotool search --onlyvisible --pid "$client_pid" | sort | tr '\n' ' ')
[[ $before == "$after" ]] || fail "a right click opened a window: $before -> $after"

# Logging in asks for the game address; the launcher page must not go there.
click_page 120 91
xdotool type --delay 30 tom
click_page 122 202
sleep 3
(($(requests $'\t/play') == 0)) || fail "the launcher page loaded the game address: $(grep /play "$log")"
(($(requests $'^game\tGET\t/client\t') == 1)) || fail "the launcher page left or reloaded"
client_running || fail "the client ended"

# An ordinary link still loads in the launcher page. It carries the login cookie the button
# set just before it asked for the game address, which shows the button really was pressed.
click_page 565 20
wait_request $'^game\tGET\t/news\t' "the news link"
grep -qE $'^game\tGET\t/news\t.*quelm_login=tom' "$log" ||
    fail "the button never ran: $(grep /news "$log")"

client_stop
echo "PASS: launcher page"
