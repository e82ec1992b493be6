#!/usr/bin/env bash
# The client's launcher on a composited 1920×1080 display with a tray and no window manager:
#   appearance  where it opens, what it draws, and which clicks it lets through
#   pointer     its buttons following the pointer, moving it by dragging, minimising it
#   exit        Enter and Escape leaving it alone, and the question before it ends
#   test_launcher.sh CLIENT PROBE appearance|pointer|exit
source "$(dirname "$0")/launcher-lib.sh"
client=$1
probe=$2

# Centred on a screen that is all work area.
lx=307 ly=120
# The browser dialog's place on the launcher's picture.
page_x=536 page_y=286
# A spot on the root, away from every window.
away_x=5 away_y=1075

# name | place on the picture: x y width height | images: normal hover pressed
buttons=(
    "minimise|1169 189 25 25|145|146|144"
    "exit|1191 210 39 39|148|149|147"
)

# button NAME: sets bx by bw bh to its place and image_of[STATE] to its images.
declare -A image_of
button() {
    local row name rect
    for row in "${buttons[@]}"; do
        IFS='|' read -r name rect image_of[normal] image_of[hover] image_of[pressed] <<<"$row"
        if [[ $name == "$1" ]]; then
            read -r bx by bw bh <<<"$rect"
            return 0
        fi
    done
    fail "no button $1"
}

# looks STATE NAME: the launcher's picture with that button in that state (normal, hover,
# pressed) and the other one normal.
looks() {
    local minimise=145 exit=148
    button "$2"
    if [[ $2 == minimise ]]; then minimise=${image_of[$1]}; else exit=${image_of[$1]}; fi
    compose "$1-$2" "$minimise" "$exit"
    echo "$shots/$1-$2.png"
}

# expect_button STATE NAME WHAT: the button shows that state's image where the launcher is now.
expect_button() {
    local picture
    picture=$(looks "$1" "$2")
    button "$2"
    expect_area $((lx + bx)) $((ly + by)) "$picture" "$bx" "$by" "$bw" "$bh" "$3"
}

# hover NAME: rests the pointer on the button until it shows its hover image.
hover() {
    button "$1"
    xdotool mousemove $((lx + bx + bw / 2)) $((ly + by + bh / 2))
    expect_button hover "$1" "hovering the $1 button"
}

leave() {
    xdotool mousemove $away_x $away_y
}

wait_for_tray_icon() {
    local icon
    for _ in $(seq 50); do
        icon=$(tray_icon)
        [[ -n $icon ]] && return 0
        sleep 0.1
    done
    fail "no tray icon titled MicroGameClient"
}

appearance() {
    # The probe's opaque window (100,100 400×300, #204080) lies under the launcher's top-left
    # corner. The probe ends itself after 20 seconds: what needs it comes first.
    probe_start "$probe" layered
    probe_wait "below shown"
    sample_root_colour
    client_start "$client"
    expect_geometry "$launcher" $lx $ly 1306 839 "the launcher"
    expect_geometry "$dialog" $((lx + page_x)) $((ly + page_y)) 610 344 "the browser dialog"
    wait_for_tray_icon

    # Picture point the art leaves fully transparent | the colour showing through | what that is
    local clear=(
        "5 5|32 64 128|the window below"
        "1300 830|${root_colour//,/ }|the root"
    )
    local row point x y r g b a colour what
    for row in "${clear[@]}"; do
        IFS='|' read -r point colour what <<<"$row"
        read -r x y <<<"$point"
        read -r _ _ _ a <<<"$(art_pixel "$art/153.png" "$x" "$y")"
        ((a == 0)) || fail "the art is not transparent at $x,$y"
        read -r r g b <<<"$colour"
        expect_pixel $((lx + x)) $((ly + y)) "$r" "$g" "$b" "transparent surround over $what"
    done

    # Picture point | who takes a click there. Presses reaching the probe are checked in
    # order, so the clicks the launcher must keep come first.
    local clicks=(
        "175 250|launcher"
        "90 200|launcher"
        "5 5|below"
        "150 20|below"
    )
    local who
    for row in "${clicks[@]}"; do
        IFS='|' read -r point who <<<"$row"
        read -r x y <<<"$point"
        read -r _ _ _ a <<<"$(art_pixel "$art/153.png" "$x" "$y")"
        if [[ $who == below ]]; then
            ((a == 0)) || fail "the art is not transparent at $x,$y"
        else
            ((a > 0)) || fail "the art is transparent at $x,$y"
        fi
        xdotool mousemove $((lx + x)) $((ly + y)) click 1
    done
    for row in "${clicks[@]}"; do
        IFS='|' read -r point who <<<"$row"
        [[ $who == below ]] || continue
        read -r x y <<<"$point"
        x=$((lx + x)) y=$((ly + y))
        probe_expect "press below left $((x - 100)) $((y - 100)) at $x $y mods 0x1" '^press '
    done
    probe_stop
    # Clicks without a motion leave it where it was.
    expect_geometry "$launcher" $lx $ly 1306 839 "the launcher after the clicks"

    local normal
    normal=$(looks normal exit)
    # A fully opaque stretch of the picture, drawn one to one.
    expect_area $((lx + 270)) $((ly + 280)) "$normal" 270 280 60 60 "the launcher's picture"
    local name
    for name in minimise exit; do
        button "$name"
        expect_art_differs "$normal" "$art/153.png" "$bx" "$by" "$bw" "$bh" "the $name button"
        expect_button normal "$name" "the $name button's normal image"
    done
    # Whatever page it shows, the browser dialog is seen over the picture's panel.
    import -window "$dialog" "$shots/dialog.png"
    local panel
    panel=$(differing "$normal" $page_x $page_y "$shots/dialog.png" 0 0 610 344)
    ((panel * 10 >= 610 * 344)) || fail "the browser dialog looks like the picture's panel"
    expect_on_top "$dialog" $((lx + page_x)) $((ly + page_y)) 610 344 \
        "the browser dialog over the picture's panel"
}

pointer() {
    sample_root_colour
    client_start "$client"
    expect_geometry "$launcher" $lx $ly 1306 839 "the launcher"
    local name
    for name in minimise exit; do
        button "$name"
        expect_art_differs "$(looks hover "$name")" "$(looks normal "$name")" "$bx" "$by" "$bw" \
            "$bh" "the $name button's hover image"
        hover "$name"
        leave
        expect_button normal "$name" "the $name button after the pointer left it"
    done

    # Grabbed by a spot of the picture away from the buttons and the browser dialog.
    local drags=("100 50" "-250 -120") drag dx dy x y step
    for drag in "${drags[@]}"; do
        read -r dx dy <<<"$drag"
        x=$((lx + 300)) y=$((ly + 300))
        xdotool mousemove $x $y mousedown 1
        for step in $(seq 10); do
            xdotool mousemove $((x + dx * step / 10)) $((y + dy * step / 10))
        done
        xdotool mouseup 1
        lx=$((lx + dx)) ly=$((ly + dy))
        expect_geometry "$launcher" $lx $ly 1306 839 "the launcher dragged by $dx,$dy"
        expect_geometry "$dialog" $((lx + page_x)) $((ly + page_y)) 610 344 \
            "the browser dialog after a drag by $dx,$dy"
        expect_button normal exit "the picture after a drag by $dx,$dy"
    done

    # Iconifying is the window manager's to carry out, and there is none: the client asks for it.
    watch_root
    hover minimise
    xdotool mousedown 1
    expect_button pressed minimise "pressing the minimise button"
    xdotool mouseup 1
    expect_root_request "$launcher" WM_CHANGE_STATE "the minimise button"
    client_running || fail "the client ended on the minimise button"
}

exit_question() {
    sample_root_colour
    client_start "$client"
    expect_geometry "$launcher" $lx $ly 1306 839 "the launcher"
    wait_for_tray_icon

    # Window with the focus | key
    local keys=(
        "launcher|Return"
        "launcher|Escape"
        "dialog|Return"
        "dialog|Escape"
    )
    local row target key
    for row in "${keys[@]}"; do
        IFS='|' read -r target key <<<"$row"
        timeout 5 xdotool windowfocus --sync "${!target}" ||
            fail "the $target cannot take the focus"
        xdotool key "$key"
        # Input is handled in order: once the pointer's hover shows, the key was handled too.
        hover exit
        leave
        expect_button normal exit "the exit button after $key to the $target"
        expect_shown "after $key to the $target"
    done

    local box
    hover exit
    xdotool mousedown 1
    expect_button pressed exit "pressing the exit button"
    xdotool mouseup 1
    box=$(wait_for_window '^登录器$')
    timeout 5 xdotool windowfocus --sync "$box" || fail "the question cannot take the focus"
    xdotool key alt+n
    wait_gone '^登录器$' "the question answered No"
    expect_shown "after answering No"
    [[ -n $(tray_icon) ]] || fail "the tray icon went away after answering No"
    leave
    expect_button normal exit "the exit button after answering No"

    button exit
    xdotool mousemove $((lx + bx + bw / 2)) $((ly + by + bh / 2)) click 1
    box=$(wait_for_window '^登录器$')
    timeout 5 xdotool windowfocus --sync "$box" || fail "the question cannot take the focus"
    xdotool key Return
    client_wait_exit 5
    ((client_exit == 0)) || fail "the client ended with status $client_exit after answering Yes"
    expect_helpers_ended "the client's helper processes after it ended"
    wait_gone '^MicroGameClient$' "the tray icon"
}

case $3 in
    appearance | pointer) "$3" ;;
    exit) exit_question ;;
    *) fail "unknown check $3" ;;
esac
echo "PASS: launcher $3"
