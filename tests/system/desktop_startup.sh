#!/usr/bin/env bash
# The desktop program starts on a real X11 desktop (Xvfb, openbox, tint2 as the tray): the
# start-up window, the first-start questions, the tray icon; a second copy tells the user and
# ends with exit code 0 while the first runs on.
# Usage: desktop_startup.sh PATH_TO_RUVOMETER. Exits 77 (skipped) when the machine lacks a tool.
set -uo pipefail

program="${1:?usage: $0 PATH_TO_RUVOMETER}"
for tool in Xvfb openbox tint2 xdotool xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    exit 1
}

# A free display number.
display=""
for n in $(seq 140 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "skipped: no free X display"; exit 77; }

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -ardelay 60000 >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do
    xwininfo -root >/dev/null 2>&1 && break
    sleep 0.1
done
xwininfo -root >/dev/null 2>&1 || { echo "skipped: Xvfb did not start"; exit 77; }
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
env -u DBUS_SESSION_BUS_ADDRESS tint2 >"$work/tint2.log" 2>&1 &
pids+=($!)
sleep 1.5

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb
settings="$XDG_CONFIG_HOME/Quelmar/Ruvometer 2.3.conf"
data="$XDG_DATA_HOME/Quelmar/Ruvometer 2.3"

# Waits until the command succeeds, up to $1 seconds.
await() {
    local seconds="$1"
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
visible_window_named() { xdotool search --onlyvisible --name "$1"; }

"$program" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")

# The start-up window shows at once; the settings are written with their defaults.
await 10 visible_window_named "^Quelmar Ruvometer$" || fail "no start-up window"
await 5 grep -q '^EMailQuestion=not asked' "$settings" || fail "no settings written"
# About four seconds later the mail request opens.
await 10 grep -q '^EMailQuestion=asked' "$settings" || fail "no mail request after four seconds"
await 5 visible_window_named "^Quelmar Ruvometer$" || fail "mail request not shown"
sleep 0.5
xdotool key Return
# Then the autostart question; "Nein".
await 10 visible_window_named "^Quelmar Ruvometer$" || fail "no autostart question"
sleep 0.5
xdotool key alt+n
await 5 grep -q '^AskAutostartQuestion=1' "$settings" || fail "the question's answer was not stored"
# The first tick: the holiday and tariff messages (OK), the tariff file, the tray icon.
for _ in 1 2; do
    await 10 visible_window_named "^Quelmar Ruvometer$" || fail "no message at the first tick"
    sleep 0.5
    xdotool key Return
done
await 10 test -f "$data/Tarif.dat" || fail "no tariff file"
await 10 test -f "$data/RVDaten$(date +%y).db" || fail "no database file"
await 10 test "$(xwininfo -root -tree | grep -ci ruvometer)" -ge 1 || fail "no window of the program"

# A click on the tray icon opens the main window (its widgets are made at this first showing).
tray_icon() {
    for id in $(xdotool search --classname tint2 2>/dev/null); do
        xwininfo -tree -id "$id" 2>/dev/null
    done | awk '/\("ruvometer" / { print $1; exit }'
}
await 10 test -n "$(tray_icon)" || fail "no tray icon in the panel"
xdotool mousemove --window "$(tray_icon)" 5 5 click 1
await 10 visible_window_named "^Ruvometer 2.3$" || fail "a click on the tray icon showed no main window"

# A second copy: its message, then exit code 0; the first one runs on.
"$program" >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
await 10 visible_window_named "^Quelmar Ruvometer$" || fail "second copy showed nothing"
sleep 0.5
xdotool key Return
await 10 bash -c "! kill -0 $second" || fail "second copy did not end"
wait "$second"
status=$?
[ "$status" -eq 0 ] || fail "second copy ended with $status"
kill -0 "$first" || fail "the first copy died"
echo "desktop start-up: passed"
