# Sourced by the window tests: runs window_probe in the background, talking to it through pipes,
# and reads pixels off the screen. Every wait is bounded; whatever was started is stopped on exit.
set -euo pipefail

shots=$(mktemp -d)
probe_pid=

cleanup() {
    if [[ -n $probe_pid ]]; then
        kill "$probe_pid" 2>/dev/null || true
    fi
    rm -rf "$shots"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    # What the probe said since, and which windows exist, tell most failures apart.
    local line
    while [[ -n ${probe_out-} ]] && IFS= read -r -t 0.5 line <&"$probe_out"; do
        echo "probe: $line" >&2
    done
    xwininfo -root -tree 2>/dev/null | grep -E '^ +0x' >&2 || true
    exit 1
}

# probe_start ARGS...: starts the probe with its input and output on pipes; one at a time.
probe_start() {
    rm -f "$shots/in" "$shots/out"
    mkfifo "$shots/in" "$shots/out"
    "$@" <"$shots/in" >"$shots/out" 2>&1 &
    probe_pid=$!
    exec {probe_in}>"$shots/in" {probe_out}<"$shots/out"
}

# probe_next REGEX [SECONDS]: sets probe_line to the probe's next line that matches, skipping
# others.
probe_line=
probe_next() {
    local pattern=$1 limit=${2:-10} line
    local deadline=$((SECONDS + limit))
    while ((SECONDS < deadline)); do
        IFS= read -r -t $((deadline - SECONDS)) line <&"$probe_out" || break
        echo "probe: $line" >&2
        if [[ $line =~ $pattern ]]; then
            probe_line=$line
            return 0
        fi
    done
    fail "no probe line matching '$pattern' within ${limit}s"
}

# probe_wait LINE: skips the probe's lines until this one.
probe_wait() {
    local line
    until [[ ${line-} == "$1" ]]; do
        probe_next ''
        line=$probe_line
    done
}

# probe_expect LINE PREFIX_REGEX: the probe's next line matching the prefix is exactly LINE.
probe_expect() {
    probe_next "$2"
    [[ $probe_line == "$1" ]] || fail "probe said '$probe_line', expected '$1'"
}

probe_say() {
    echo "$1" >&"$probe_in"
}

# probe_stop: closes the probe's input, which ends it, and waits for it a bounded time.
probe_stop() {
    exec {probe_in}>&-
    for _ in $(seq 50); do
        kill -0 "$probe_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$probe_pid" 2>/dev/null && fail "the probe did not exit"
    local status=0
    wait "$probe_pid" || status=$?
    probe_pid=
    exec {probe_out}<&-
    probe_out=
    ((status == 0)) || fail "the probe exited with status $status"
}

# pixel X Y: the screen's colour there as "R G B".
pixel() {
    import -window root "$shots/screen.png"
    convert "$shots/screen.png" -format "%[pixel:p{$1,$2}]" info: |
        sed -E 's/^srgba?\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'
}

near() {
    local d=$(($1 - $2))
    ((d >= -6 && d <= 6))
}

# expect_pixel X Y R G B WHAT: the colour at X Y is within 6 of R G B per channel. A
# compositor paints on its own time, so this looks again for up to 3 seconds.
expect_pixel() {
    local x=$1 y=$2 r=$3 g=$4 b=$5 what=$6 sr sg sb
    for _ in $(seq 15); do
        read -r sr sg sb <<<"$(pixel "$x" "$y")"
        if near "$r" "$sr" && near "$g" "$sg" && near "$b" "$sb"; then
            return 0
        fi
        sleep 0.2
    done
    fail "$what: pixel $x,$y is ($sr $sg $sb), expected ($r $g $b)"
}

# wait_for_window TITLE_REGEX: the id of a mapped window with that title.
wait_for_window() {
    local id
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no window titled '$1'"
}
