# shellcheck shell=bash
# Sourced by test_launcher.sh: runs the client with a home of its own, finds its windows, and
# compares what is on the screen with pictures composed from the art the client draws. Every
# wait is bounded; the client and the probe are stopped on exit.
source "$(dirname "${BASH_SOURCE[0]}")/window-probe-lib.sh"
art=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../res/png" && pwd)

client_pid=
client_group=
client_home=
client_log=$shots/client.log
launcher=
dialog=
watch_root_pid=

launcher_cleanup() {
    client_stop
    if [[ -n $watch_root_pid ]]; then
        kill "$watch_root_pid" 2>/dev/null
        wait "$watch_root_pid" 2>/dev/null || true
    fi
    cleanup
}
trap launcher_cleanup EXIT

# Replaces the probe library's: the client's output and the window tree tell most failures
# apart.
fail() {
    echo "FAIL: $*" >&2
    local line
    while [[ -n ${probe_out-} ]] && IFS= read -r -t 0.5 line <&"$probe_out"; do
        echo "probe: $line" >&2
    done
    if [[ -s $client_log ]]; then
        echo "--- client output" >&2
        cat "$client_log" >&2
    fi
    xwininfo -root -tree 2>/dev/null | grep -E '^ +0x' >&2 || true
    exit 1
}

# client_start BINARY: runs the client and waits for its launcher and browser dialog, setting
# launcher and dialog to their windows.
client_start() {
    client_home=$(mktemp -d)
    (
        # The probe's pipes must not stay open in the client, or the probe never sees its input
        # end.
        [[ -n ${probe_in-} ]] && exec {probe_in}>&-
        [[ -n ${probe_out-} ]] && exec {probe_out}<&-
        export HOME=$client_home XDG_CONFIG_HOME=$client_home/config
        export XDG_DATA_HOME=$client_home/data XDG_CACHE_HOME=$client_home/cache
        # Unless a test serves the sites itself, an address where nothing answers keeps the
        # client away from any site running on the machine.
        export MICRO_CLIENT_GAME_SITE=${CLIENT_GAME_SITE:-http://127.0.0.1:9}
        export MICRO_CLIENT_PLATFORM_SITE=${CLIENT_PLATFORM_SITE:-http://127.0.0.1:9}
        # A process group of its own, so its helper processes are stopped with it.
        exec setsid "$1" </dev/null >"$client_log" 2>&1
    ) &
    client_pid=$! client_group=$!
    launcher='' dialog=''
    local id
    for _ in $(seq 100); do
        if ! client_running; then
            client_reap
            fail "the client ended before showing its launcher (status $client_exit)"
        fi
        for id in $(xdotool search --onlyvisible --pid "$client_pid" 2>/dev/null); do
            geometry "$id"
            case ${gw}x$gh in
                1306x839) launcher=$id ;;
                610x344) dialog=$id ;;
            esac
        done
        [[ -n $launcher && -n $dialog ]] && return 0
        sleep 0.1
    done
    fail "no launcher (1306x839) and browser dialog (610x344) among the client's windows"
}

# A client that ended but was not reaped yet counts as ended.
client_running() {
    local state
    [[ -n $client_pid ]] && state=$(ps -o stat= -p "$client_pid" 2>/dev/null) && [[ $state != Z* ]]
}

# client_reap: sets client_exit to the ended client's exit status.
client_reap() {
    client_exit=0
    wait "$client_pid" || client_exit=$?
    client_pid=''
}

# client_wait_exit SECONDS: waits for the client to end by itself and reaps it.
client_wait_exit() {
    local deadline=$((SECONDS + $1))
    while client_running && ((SECONDS < deadline)); do
        sleep 0.1
    done
    client_running && fail "the client is still running after ${1}s"
    client_reap
}

# client_helpers: the processes still running in the client's process group, as "pid name".
client_helpers() {
    ps -eo pid=,pgid=,stat=,comm= |
        awk -v group="$client_group" '$2 == group && $3 !~ /^Z/ {print $1, $4}'
}

# expect_helpers_ended WHAT: waits up to 5 seconds for the client's group to run nothing more.
expect_helpers_ended() {
    for _ in $(seq 50); do
        [[ -z $(client_helpers) ]] && return 0
        sleep 0.1
    done
    fail "$1: still running: $(client_helpers | tr '\n' ' ')"
}

# client_stop: ends the client, if it still runs, and whatever is left in its process group.
client_stop() {
    if client_running; then
        kill -- -"$client_pid" 2>/dev/null || true
        for _ in $(seq 50); do
            client_running || break
            sleep 0.1
        done
        wait "$client_pid" 2>/dev/null || true
    fi
    if [[ -n $client_group ]]; then
        kill -KILL -- -"$client_group" 2>/dev/null || true
    fi
    client_pid='' client_group=''
    [[ -n $client_home ]] && rm -rf "$client_home"
    client_home=''
}

# geometry WINDOW: sets gx gy gw gh to its place on the screen.
geometry() {
    local X='' Y='' WIDTH='' HEIGHT=''
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null |
        grep -E '^(X|Y|WIDTH|HEIGHT)=')" || true
    gx=$X gy=$Y gw=$WIDTH gh=$HEIGHT
}

# expect_geometry WINDOW X Y W H WHAT: waits up to 3 seconds for it to be there.
expect_geometry() {
    for _ in $(seq 30); do
        geometry "$1"
        [[ "$gx $gy $gw $gh" == "$2 $3 $4 $5" ]] && return 0
        sleep 0.1
    done
    fail "$6 is at $gx,$gy ${gw}x$gh, expected $2,$3 ${4}x$5"
}

viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# expect_shown WHAT: the client still runs and shows its launcher and browser dialog, the
# launcher still at lx ly.
expect_shown() {
    if ! client_running; then
        client_reap
        fail "$1: the client ended (status $client_exit)"
    fi
    viewable "$launcher" || fail "$1: the launcher is no longer shown"
    viewable "$dialog" || fail "$1: the browser dialog is no longer shown"
    expect_geometry "$launcher" "$lx" "$ly" 1306 839 "$1: the launcher"
}

# art_pixel FILE X Y: the picture's colour there as "R G B A" (alpha 0-255).
art_pixel() {
    local channel format=
    for channel in r g b a; do
        format+="%[fx:round(255*p{$2,$3}.$channel)] "
    done
    convert "$1" -format "$format" info:
}

# compose NAME MINIMISE EXIT: the launcher's picture with these two button images, flattened
# on the root's colour, as $shots/NAME.png.
compose() {
    [[ -f $shots/$1.png ]] && return 0
    convert "$art/153.png" "$art/$2.png" -geometry +1169+189 -composite \
        "$art/$3.png" -geometry +1191+210 -composite \
        -background "rgb($root_colour)" -flatten "$shots/$1.png"
}

# differing IMAGE X Y REFERENCE RX RY W H: how many pixels of the W×H area at X Y of IMAGE are
# not within 3% of REFERENCE's at RX RY.
differing() {
    convert \( "$1" -crop "${7}x$8+$2+$3" +repage \) \( "$4" -crop "${7}x$8+$5+$6" +repage \) \
        -alpha off -fuzz 3% -metric AE -compare -format '%[distortion]' info:
}

# expect_area X Y REFERENCE RX RY W H WHAT: the screen's W×H area at X Y shows REFERENCE's at
# RX RY, all but 1% of it. A compositor paints on its own time, so this looks again for up
# to 3 seconds.
expect_area() {
    local count deadline=$((SECONDS + 3))
    while :; do
        import -window root "$shots/screen.png"
        count=$(differing "$shots/screen.png" "$1" "$2" "$3" "$4" "$5" "$6" "$7")
        ((count * 100 <= $6 * $7)) && return 0
        ((SECONDS < deadline)) || break
        sleep 0.1
    done
    fail "$8: $count of $(($6 * $7)) pixels at $1,$2 ($6x$7) differ from $(basename "$3")"
}

# expect_on_top WINDOW X Y W H WHAT: the screen shows the window's own contents where it is,
# so nothing covers it. Looks again for up to 3 seconds.
expect_on_top() {
    local count deadline=$((SECONDS + 3))
    while :; do
        import -window "$1" "$shots/window.png"
        import -window root "$shots/screen.png"
        count=$(differing "$shots/screen.png" "$2" "$3" "$shots/window.png" 0 0 "$4" "$5")
        ((count * 100 <= $4 * $5)) && return 0
        ((SECONDS < deadline)) || break
        sleep 0.1
    done
    fail "$6: $count of $(($4 * $5)) pixels at $2,$3 ($4x$5) differ from the window's own"
}

# expect_art_differs REFERENCE OTHER RX RY W H WHAT: a check comparing with REFERENCE there can
# only fail if the art makes the two look different.
expect_art_differs() {
    local count
    count=$(differing "$1" "$3" "$4" "$2" "$3" "$4" "$5" "$6")
    ((count * 10 >= $5 * $6)) || fail "$7: the art barely differs there ($count pixels)"
}

# sample_root_colour: the colour the screen shows where no window is, as "R,G,B".
sample_root_colour() {
    local r g b
    read -r r g b <<<"$(pixel 5 1075)"
    root_colour="$r,$g,$b"
}

# watch_root: records the requests sent to the root window (a window manager's business) in
# $shots/root.log, from when this returns.
watch_root() {
    xev -root -event substructure >"$shots/root.log" 2>&1 &
    watch_root_pid=$!
    # A request for a window that is no client's marks when xev listens.
    local marker
    marker=$(xwininfo -root -children | awk '/"xcompmgr"/ {print $1; exit}')
    [[ -n $marker ]] || fail "no compositor window to mark the start of the root's log"
    for _ in $(seq 30); do
        xdotool windowminimize "$marker"
        grep -q "window $marker," "$shots/root.log" && return 0
        sleep 0.1
    done
    fail "xev does not report the root's requests"
}

# expect_root_request WINDOW MESSAGE WHAT: waits up to 3 seconds for a client message of that
# type about that window to be sent to the root.
expect_root_request() {
    local window
    window=$(printf '0x%x' "$1")
    for _ in $(seq 30); do
        grep -A1 "ClientMessage event.*window $window," "$shots/root.log" | grep -q "($2)" &&
            return 0
        sleep 0.1
    done
    fail "$3: no $2 request for $window"
}

# tray_icon: the visible window that carries the client's tip, or nothing.
tray_icon() {
    xdotool search --onlyvisible --name '^MicroGameClient$' 2>/dev/null | head -n1
}

# wait_gone WINDOW_TITLE_REGEX WHAT: waits up to 5 seconds for no visible window to carry it.
wait_gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "$2 is still shown"
}
