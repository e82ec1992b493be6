#!/usr/bin/env bash
# The tray icon on the session bus (run without an XEmbed tray): with a watcher present the
# icon registers with it, shows the tip and the icon image, turns the host's calls into clicks,
# announces a new tip, and leaves the bus when removed.
#   shell_tray_sni.sh PROBE FAKE_WATCHER
source "$(dirname "$0")/shell_lib.sh"
probe=$1
watcher=$2

start watcher "$watcher"
wait_for watcher '^watcher ready$'
start probe "$probe"
wait_for probe '^probe ready$'

ask probe 'tray Probe ✓ tip' '^tray (created|none)$'
expect "$reply" "tray created" "creating the icon"
wait_for watcher '^registered '

# The icon is opaque 0x112233 but for its last pixel, 0x445566 at half alpha: ARGB, network
# byte order.
ask watcher props '^(props|call failed)'
expect "$reply" "props Category=ApplicationStatus Id=Probe ✓ tip Title=Probe ✓ tip \
Status=Active ItemIsMenu=false ToolTip=Probe ✓ tip| Pixmap=16x16 first=ff112233 \
last=80445566" "the item's properties"

# method:button — each call is a whole click.
for call in activate:Left context:Right secondary:Middle; do
    method=${call%:*} button=${call#*:}
    send watcher "$method"
    wait_for probe "^tray Press $button\$"
    wait_for probe "^tray Release $button\$"
done
# Scrolling means nothing to the icon; it must not be taken for a click.
presses=$(count probe '^tray Press')
send watcher scroll
send watcher activate
wait_for probe '^tray Press Left$' 2
expect "$(count probe '^tray Press')" $((presses + 1)) "presses after a scroll and a click"
[[ $(count watcher '^call failed') == 0 ]] || fail "a call to the item failed"

ask probe 'tip Neue Spitze' '^tip set$'
wait_for watcher '^signal NewToolTip$'
wait_for watcher '^signal NewTitle$'
ask watcher props '^(props|call failed)'
[[ $reply == *" Title=Neue Spitze "*"ToolTip=Neue Spitze| "* ]] ||
    fail "after a new tip: $reply"
[[ $reply == *" Id=Probe ✓ tip "* ]] || fail "the id changed with the tip: $reply"

ask probe untray '^untray$'
wait_for watcher '^item gone$'

stop probe
stop watcher
