#!/usr/bin/env bash
# Cookies live in the program's own data folder: one a page sets is there after a restart, and
# clearing the cookies removes it before the reload that follows at once, and for good.
#   test_web_cookies.sh PROBE
source "$(dirname "$0")/test_web_lib.sh"
probe=$1

# cookie_page QUERY SEEN: loads cookie.html with that query; the page saw the cookies SEEN.
cookie_page() {
    server_mark
    probe_say "navigate $site/cookie.html$1"
    server_wait "/report\?page=cookiehtml[a-z]*&cookie=$2 "
}

server_start
web_probe_start "$probe"
cookie_page '?set' none
server_wait '/report\?page=cookiehtmlset&cookie-set=loginyes '
cookie_page '' loginyes
web_probe_stop
[[ -s $XDG_DATA_HOME/QuelmMicroClient/web/cookies.sqlite ]] ||
    fail "no cookie file in the program's data folder"
[[ -d $XDG_CACHE_HOME/QuelmMicroClient/web ]] || fail "no web cache in the program's cache folder"

web_probe_start "$probe"
cookie_page '' loginyes
server_mark
probe_say clear-cookies-and-reload
server_wait '/report\?page=cookiehtml&cookie=none '
web_probe_stop

web_probe_start "$probe"
cookie_page '' none
web_probe_stop
echo "PASS: web cookies"
