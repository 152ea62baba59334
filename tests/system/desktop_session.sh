# shellcheck shell=bash disable=SC2154  # work, skip and fail come from the caller
# What the scripts that run the desktop program on a real interface share, sourced by them: a
# network namespace with a veth pair, in which a second address is the connection, and an X
# session of Xvfb, openbox and tint2 (the tray host).
#
# The caller defines skip (exit 77 with a reason) and fail, sets $work to a private folder and
# ends the processes listed in session_pids in reverse order when it exits.
session_pids=()

# Creates the network namespace $1 with the veth pair ruvo0/ruvo1 up and one address on it: as
# offline. Afterwards in_netns runs ip in it, connect adds the second address and hang_up takes
# it away.
desktop_netns_up() {
    netns=$1
    ip netns add "$netns" 2> "$work/netns.err" ||
        skip "cannot create a network namespace: $(cat "$work/netns.err")"
    in_netns link add ruvo0 type veth peer name ruvo1 ||
        skip "cannot create a veth pair in the network namespace"
    if ! { in_netns addr add 192.0.2.1/24 dev ruvo0 && in_netns link set lo up &&
        in_netns link set ruvo0 up && in_netns link set ruvo1 up; }; then
        fail "cannot configure the veth pair"
    fi
}
in_netns() { ip -n "$netns" "$@"; }
connect() { in_netns addr add 192.0.2.2/24 dev ruvo1; }
hang_up() { in_netns addr del 192.0.2.2/24 dev ruvo1; }

# Starts Xvfb on a free display, openbox and tint2, exports DISPLAY and waits for tint2's panel.
# Sets xvfb_pid, openbox_pid and tint2_pid.
desktop_x_session_up() {
    exec 5> "$work/display"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    session_pids+=("$xvfb_pid")
    exec 5>&-
    for _ in $(seq 50); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || skip "Xvfb does not start: $(tail -n 3 "$work/xvfb.log")"
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
    unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
    openbox > "$work/openbox.log" 2>&1 &
    openbox_pid=$!
    session_pids+=("$openbox_pid")
    tint2 > "$work/tint2.log" 2>&1 &
    tint2_pid=$!
    session_pids+=("$tint2_pid")
    for _ in $(seq 50); do
        xdotool search --classname tint2 > /dev/null 2>&1 && break
        sleep 0.1
    done
    xdotool search --classname tint2 > /dev/null 2>&1 || skip "tint2 shows no panel"
}
