# Shared by the hot-key and tray scripts: programs run in the background, fed commands through
# FIFOs, and bounded waits on the lines they print. Everything started is stopped on exit.

set -euo pipefail

work=$(mktemp -d)
declare -A pid_of fd_of
started=()

# Prints what every program said, then ends the script.
fail() {
    echo "FAIL: $*" >&2
    local name
    for name in "${started[@]}"; do
        echo "--- $name stdout" >&2
        cat "$work/$name.out" >&2 || true
        echo "--- $name stderr" >&2
        cat "$work/$name.err" >&2 || true
    done
    exit 1
}

# start NAME COMMAND...: runs COMMAND with its standard input on a FIFO this script writes.
start() {
    local name=$1 fd
    shift
    mkfifo "$work/$name.in"
    (
        # Other programs' input must not stay open in this one, or they never see its end.
        for fd in "${fd_of[@]}"; do
            exec {fd}>&-
        done
        exec "$@" <"$work/$name.in" >"$work/$name.out" 2>"$work/$name.err"
    ) &
    pid_of[$name]=$!
    exec {fd}>"$work/$name.in"
    fd_of[$name]=$fd
    started+=("$name")
}

send() {
    printf '%s\n' "$2" >&"${fd_of[$1]}"
}

# How many lines NAME printed that match the extended regular expression.
count() {
    grep -cE -- "$2" "$work/$1.out" || true
}

# wait_for NAME REGEX [N]: waits, at most ten seconds, until N (default 1) lines match.
wait_for() {
    local name=$1 pattern=$2 wanted=${3:-1} tries
    for tries in $(seq 200); do
        (($(count "$name" "$pattern") >= wanted)) && return 0
        if ! kill -0 "${pid_of[$name]}" 2>/dev/null; then
            (($(count "$name" "$pattern") >= wanted)) && return 0
            fail "$name ended before printing $wanted line(s) matching '$pattern'"
        fi
        sleep 0.05
    done
    fail "$name never printed $wanted line(s) matching '$pattern'"
}

# ask NAME COMMAND REGEX: sends COMMAND and sets reply to the answer, the next line matching
# REGEX.
reply=
ask() {
    local name=$1 command=$2 pattern=$3 before
    before=$(count "$name" "$pattern")
    send "$name" "$command"
    wait_for "$name" "$pattern" $((before + 1))
    reply=$(grep -E -- "$pattern" "$work/$name.out" | tail -n 1)
}

# expect ACTUAL EXPECTED WHAT
expect() {
    [[ $1 == "$2" ]] || fail "$3: got '$1', expected '$2'"
}

# stop NAME: closes its input, which ends it, and checks it exited cleanly.
stop() {
    local name=$1 fd=${fd_of[$1]} tries status=0
    exec {fd}>&-
    for tries in $(seq 100); do
        kill -0 "${pid_of[$name]}" 2>/dev/null || break
        sleep 0.05
    done
    kill "${pid_of[$name]}" 2>/dev/null || true
    wait "${pid_of[$name]}" || status=$?
    unset "pid_of[$name]"
    ((status == 0)) || fail "$name exited with status $status"
}

cleanup() {
    local name
    for name in "${!pid_of[@]}"; do
        kill "${pid_of[$name]}" 2>/dev/null || true
        wait "${pid_of[$name]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
