# shellcheck shell=bash disable=SC2154  # work, program and netns come from the caller
# What the scripts that run the desktop program on a real interface share, sourced by them at
# their start: skip, fail and the cleanup at exit; a network namespace with a veth pair, in which
# a second address is the connection; and an X session of Xvfb, openbox and tint2 (the tray host).
#
# The caller sets $work to a private folder (made by desktop_work_folder) and $program to the
# program file. At exit the program started last ($program_pid) is killed, the processes listed
# in session_pids end in reverse order, the function extra_cleanup runs when the caller defined
# it, and the network namespace and $work go.
session_pids=()
program_pid=
netns=
work=

skip() {
    echo "SKIPPED: $*"
    exit 77
}

fail() {
    echo "FAILED: $*" >&2
    if [ -s "$work/program.log" ]; then
        echo "--- the program's output:" >&2
        tail -n 30 "$work/program.log" >&2
    fi
    exit 1
}

desktop_cleanup() {
    if [ -n "$program_pid" ]; then
        kill -9 "$program_pid" 2> /dev/null
        wait "$program_pid" 2> /dev/null
    fi
    for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
        kill "${session_pids[i]}" 2> /dev/null
        wait "${session_pids[i]}" 2> /dev/null
    done
    if declare -F extra_cleanup > /dev/null; then
        extra_cleanup
    fi
    [ -n "$netns" ] && ip netns delete "$netns" 2> /dev/null
    [ -n "$work" ] && rm -rf "$work"
}

# Skips unless root and the tools of a desktop session are there, makes $work (named after $1)
# and sets the cleanup at exit.
desktop_prerequisites() {
    [ "$(id -u)" = 0 ] || skip "needs root for a network namespace"
    for tool in ip Xvfb openbox tint2 xdotool; do
        command -v "$tool" > /dev/null || skip "$tool is not installed"
    done
    work=$(mktemp -d "${TMPDIR:-/tmp}/ruvo-$1-XXXXXX") || exit 1
    trap desktop_cleanup EXIT
    trap 'exit 130' INT TERM
}

# Creates the network namespace $1 with nothing but loopback up. Afterwards in_netns runs ip in
# it.
desktop_netns_add() {
    netns=$1
    ip netns add "$netns" 2> "$work/netns.err" ||
        skip "cannot create a network namespace: $(cat "$work/netns.err")"
    in_netns link set lo up || fail "cannot set loopback up in the network namespace"
}

# Creates the network namespace $1 with the veth pair ruvo0/ruvo1 up and one address on it: as
# offline. Afterwards connect adds the second address and hang_up takes it away.
desktop_netns_up() {
    desktop_netns_add "$1"
    in_netns link add ruvo0 type veth peer name ruvo1 ||
        skip "cannot create a veth pair in the network namespace"
    if ! { in_netns addr add 192.0.2.1/24 dev ruvo0 && in_netns link set ruvo0 up &&
        in_netns link set ruvo1 up; }; then
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
    # No key repeats: on a busy machine the release of a pressed key can come late, and a
    # repeated Return would act on whatever window has the focus next.
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -ardelay 60000 > "$work/xvfb.log" 2>&1 &
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

# Settings and data folder as after a first start, under $work, with "Offline IPs" set to $1 (an
# empty text lets the start measure it). Exports the XDG folders; sets settings, data, today and
# year, and leaves the tariff file's bytes in $work/Tarif.dat.
desktop_settled_files() {
    export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
    export HOME="$work/home" QT_QPA_PLATFORM=xcb
    mkdir -p "$XDG_CONFIG_HOME/Quelmar" "$XDG_CONFIG_HOME/autostart" "$HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    data="$XDG_DATA_HOME/Quelmar/Ruvometer 2.3"
    mkdir -p "$data"
    settings="$XDG_CONFIG_HOME/Quelmar/Ruvometer 2.3.conf"
    today=$(date +%d.%m.%y)
    year=$(date +%y)
    cat > "$settings" << EOF
[General]
RESETALLSETTINGS=1
EMailQuestion=asked
AskAutostartQuestion=0
Offline%20IPs=$1
AktuellerMonat=${today:3:5}
MonatsOnlineMinuten=0
EinheitenWarnungFrage=1
EinheitenWarnton=0
EinheitenWarnung=3
GebInWindows=0
ZeitInWindows=0
SekInWindows=0
WochenBudget=0
WochenBudgetAN=0
WochenBudgetVerbraucht=0
WBFin=$today
MonatsBudget=0
MonatsBudgetAN=0
MonatsBudgetVerbraucht=0
MBFin=$today
AlwaysSaveConnections=0
HideCounterWindow=0

[Feiertage]
0A=25.12.$year
0B=1. Weihnachtstag
EOF
    # One zone all day in every day class: 12 Pf per 60 s, no provider fee.
    printf '0,0,1,\r\nGanztag' > "$data/Tarif.dat"
    for _ in 1 2 3; do printf '\r\n0000\r\n2400\r\n12\r\n60' >> "$data/Tarif.dat"; done
    cp "$data/Tarif.dat" "$work/Tarif.dat"
}

# Starts the program inside the network namespace; sets program_pid.
start_program() {
    ip netns exec "$netns" "$program" >> "$work/program.log" 2>&1 &
    program_pid=$!
}

# The id of the shown window whose title is $1 exactly, waiting up to $2 seconds; fails at once
# when the program has ended.
wait_for_window() {
    local id
    for _ in $(seq $(($2 * 5))); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$program_pid" 2> /dev/null || return 1
        sleep 0.2
    done
    return 1
}

# Presses Return in the window until it goes: a key sent while a window just shown has not yet
# taken the focus on a busy machine is lost, so it is tried up to three times.
press_return_until_gone() {
    local window=$1 title=$2
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$window" 2> /dev/null
        xdotool key --window "$window" Return
        window_gone "$title" 5 && return 0
    done
    return 1
}

# Waits up to $2 seconds until no shown window has the title $1.
window_gone() {
    for _ in $(seq $(($2 * 5))); do
        xdotool search --onlyvisible --name "^$1\$" > /dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}

# The titles of the shown windows, for a failure's message.
shown_windows() {
    xdotool search --onlyvisible --name . 2> /dev/null | while read -r id; do
        xdotool getwindowname "$id" 2> /dev/null
    done | sort -u | tr '\n' '|'
}
