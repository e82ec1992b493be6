#!/usr/bin/env bash
# Message boxes answered from the keyboard: found by their title, above their owner, and
# reporting the button chosen, or what closing them means.
#   test_message_box.sh PROBE
source "$(dirname "$0")/window-probe-lib.sh"
probe=$1

# buttons | keys | answer
cases=(
    "yes-no|Return|Yes"
    "yes-no|alt+n|No"
    "yes-no|Escape|No"
    "ok|Return|Ok"
    "ok|Escape|Cancel"
)
for c in "${cases[@]}"; do
    IFS='|' read -r buttons keys answer <<<"$c"
    echo "--- $buttons box, $keys" >&2
    probe_start "$probe" message-box "$buttons"
    owner=$(wait_for_window '^Probe owner ✓$')
    box=$(wait_for_window '^Probe question$')
    transient=$(xprop -id "$box" WM_TRANSIENT_FOR)
    [[ $transient == *"$(printf '0x%x' "$owner")" ]] ||
        fail "the box is not kept above its owner: $transient"
    timeout 5 xdotool windowfocus --sync "$box" || fail "the box cannot take the focus"
    xdotool key "$keys"
    probe_expect "answer $answer" "^answer "
    probe_stop
done
echo "PASS: message boxes"
