#!/usr/bin/env bash
# Where a web view shows: in its rectangle of the window's client area, the window's own
# picture around it and, once it is moved or hidden, where it was; a tall page shows no scroll
# bar yet scrolls with the wheel, while a host that keeps scroll bars gets one.
#   test_web_layout.sh PROBE
source "$(dirname "$0")/test_web_lib.sh"
probe=$1

page_colour=(50 170 100)  # tall.html
window_colour=(32 64 128)

# right_edge_colours: how many colours the view's rightmost 16 columns show.
right_edge_colours() {
    import -window root "$shots/screen.png"
    convert "$shots/screen.png" -crop 16x400+604+130 +repage -format %k info:
}

# show_tall_page: loads tall.html, scrolls it down one wheel step and waits until the page
# says it scrolled.
show_tall_page() {
    server_mark
    probe_say "navigate $site/tall.html"
    server_wait '/report\?page=tallhtml&loaded=1 '
    expect_pixel 370 330 "${page_colour[@]}" "the page"
    server_mark
    xdotool mousemove 370 330 click 5
    server_wait '/report\?page=tallhtml&scrolled=[1-9][0-9]* '
}

server_start
web_probe_start "$probe"
show_tall_page
# The view's rectangle starts at 20,30 of the window at 100,100 and is 500 by 400.
# x y | what shows there
points=(
    "120 130|${page_colour[*]}"
    "619 529|${page_colour[*]}"
    "119 300|${window_colour[*]}"
    "620 300|${window_colour[*]}"
    "370 129|${window_colour[*]}"
    "370 530|${window_colour[*]}"
)
for p in "${points[@]}"; do
    read -r -a at <<<"${p//|/ }"
    expect_pixel "${at[@]}" "with the view at 20,30 500x400"
done
# Just after a scroll, when scroll bars that overlay the page show, the page's own colour.
colours=$(right_edge_colours)
((colours == 1)) || fail "the view's right edge shows $colours colours after scrolling"
expect_pixel 612 300 "${page_colour[@]}" "the view's right edge"
expect_address "$site/tall.html"

probe_say_done geometry 200 100 300 200
points=(
    "300 200|${page_colour[*]}"
    "599 399|${page_colour[*]}"
    "299 300|${window_colour[*]}"
    "600 300|${window_colour[*]}"
    "130 140|${window_colour[*]}"
)
for p in "${points[@]}"; do
    read -r -a at <<<"${p//|/ }"
    expect_pixel "${at[@]}" "with the view moved to 200,100 300x200"
done
probe_say_done show 0
expect_pixel 450 300 "${window_colour[@]}" "with the view hidden"
probe_say_done show 1
expect_pixel 450 300 "${page_colour[@]}" "with the view shown again"
web_probe_stop

# The same page where the host keeps scroll bars: the edge shows one.
web_probe_start "$probe" --scroll-bars
show_tall_page
for _ in $(seq 15); do
    colours=$(right_edge_colours)
    ((colours > 1)) && break
    sleep 0.2
done
((colours > 1)) || fail "no scroll bar shows where the host keeps them"
web_probe_stop
echo "PASS: web layout"
