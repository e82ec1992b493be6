# shellcheck shell=bash disable=SC2034  # site and window are for the tests that source this
# Sourced by the web view tests: window_probe's helpers, plus private home folders, a local web
# server for the pages in web-pages/ whose log tells what the pages saw, and a check that the
# web engine's processes end with the probe. Every wait is bounded.
source "$(dirname "${BASH_SOURCE[0]}")/window-probe-lib.sh"

pages=$(cd "$(dirname "${BASH_SOURCE[0]}")/web-pages" && pwd)
web_home=$(mktemp -d)
server_pid=
probe_family=()

# Nothing of the user's: the engine keeps its data and cache under these.
export HOME=$web_home/home XDG_DATA_HOME=$web_home/data XDG_CACHE_HOME=$web_home/cache
export XDG_CONFIG_HOME=$web_home/config XDG_RUNTIME_DIR=$web_home/runtime
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

web_cleanup() {
    local pid
    # A probe still running after a failure takes the engine's processes with it.
    if [[ -n $probe_pid ]]; then
        mapfile -t probe_family < <(descendants_of "$probe_pid")
    fi
    for pid in "${probe_family[@]}" $server_pid; do
        kill "$pid" 2>/dev/null || true
    done
    cleanup
    rm -rf "$web_home"
}
trap web_cleanup EXIT

# server_start: serves web-pages/ on 127.0.0.1 at a free port, named by $site.
server_start() {
    python3 -u -m http.server --bind 127.0.0.1 0 --directory "$pages" >"$web_home/server.log" 2>&1 &
    server_pid=$!
    local port=
    for _ in $(seq 100); do
        port=$(sed -nE 's/^Serving HTTP on 127\.0\.0\.1 port ([0-9]+).*/\1/p' "$web_home/server.log")
        [[ -n $port ]] && break
        sleep 0.05
    done
    [[ -n $port ]] || fail "the web server did not start"
    site=http://127.0.0.1:$port
}

# server_mark: later waits look only at the requests the server logs from now on.
server_seen=0
server_mark() {
    server_seen=$(wc -l <"$web_home/server.log")
}

# server_wait REGEX [SECONDS]: waits for a request since the mark whose path matches.
server_wait() {
    local pattern=$1 limit=${2:-15} line
    for _ in $(seq $((limit * 10))); do
        line=$(tail -n +$((server_seen + 1)) "$web_home/server.log" | grep -E "\"GET $pattern" |
            head -n1 || true)
        if [[ -n $line ]]; then
            echo "server: $line" >&2
            return 0
        fi
        sleep 0.1
    done
    sed 's/^/server log: /' "$web_home/server.log" >&2
    fail "the server saw no request matching '$pattern' within ${limit}s"
}

# server_count REGEX: how many requests the server logged in all had a matching path.
server_count() {
    grep -cE "\"GET $1" "$web_home/server.log" || true
}

# web_probe_start PROBE ARGS...: starts the probe and waits until its window is up.
web_probe_start() {
    probe_start "$@"
    probe_wait ready
    window=$(wait_for_window '^Web probe$')
}

# probe_say_done COMMAND...: gives the probe a command and waits until it was carried out.
probe_say_done() {
    probe_say "$*"
    probe_wait "done ${1%% *}"
}

# The probe's process and everything it started, the engine's processes among them.
descendants_of() {
    local pid child
    for pid in "$@"; do
        echo "$pid"
        for child in $(ps -o pid= --ppid "$pid"); do
            descendants_of "$child"
        done
    done
}

# web_probe_stop: stops the probe and checks that the engine's processes ended with it.
web_probe_stop() {
    mapfile -t probe_family < <(descendants_of "$probe_pid")
    ((${#probe_family[@]} > 1)) || fail "the web view started no engine process"
    probe_stop
    local pid left
    for _ in $(seq 100); do
        left=
        for pid in "${probe_family[@]}"; do
            if kill -0 "$pid" 2>/dev/null; then
                left+=" $(ps -o pid=,args= -p "$pid" || true)"
            fi
        done
        [[ -z $left ]] && break
        sleep 0.1
    done
    [[ -z $left ]] || fail "processes left behind by the probe:$left"
    probe_family=()
}

# region_shot NAME X Y W H: saves that part of the screen as NAME.png.
region_shot() {
    import -window root "$shots/screen.png"
    convert "$shots/screen.png" -crop "${4}x${5}+${2}+${3}" +repage "$shots/$1.png"
}

# region_changed A B: whether two region shots differ in any pixel.
region_changed() {
    local differing
    differing=$(compare -metric AE "$shots/$1.png" "$shots/$2.png" null: 2>&1 || true)
    [[ $differing != 0 ]]
}

# probe_lines_until REGEX [SECONDS]: the probe's lines up to the first that matches, that one
# included, in the array probe_lines.
probe_lines=()
probe_lines_until() {
    local pattern=$1 limit=${2:-15} line
    local deadline=$((SECONDS + limit))
    probe_lines=()
    while ((SECONDS < deadline)); do
        IFS= read -r -t $((deadline - SECONDS)) line <&"$probe_out" || break
        echo "probe: $line" >&2
        probe_lines+=("$line")
        [[ $line =~ $pattern ]] && return 0
    done
    fail "no probe line matching '$pattern' within ${limit}s"
}

# count_probe_lines REGEX: how many of probe_lines match.
count_probe_lines() {
    local line count=0
    for line in "${probe_lines[@]}"; do
        [[ $line =~ $1 ]] && count=$((count + 1))
    done
    echo "$count"
}

# expect_address URI: the view says it shows that address.
expect_address() {
    probe_say address
    probe_next '^address '
    [[ $probe_line == "address $1" ]] || fail "the view shows '${probe_line#address }', expected '$1'"
}
