#!/usr/bin/env bash
# End-to-end test of the desktop program on a real interface: Xvfb with openbox and tint2 (the
# tray host), the program in a network namespace of its own whose veth end gets a second address
# (TEST-NET-1, nothing is routed anywhere). A connection is noticed, counted for about 70 s (the
# counter window comes up without taking the focus from another program's window, which shows
# the running charges in its title and gets its own title back at the hang-up) and
# confirmed in the summary with Enter; a second one is cut off by kill -9 and restored at the next
# start through the recovery dialog, answered with Enter. The database is checked after each.
#
#   desktop_connection.sh RUVOMETER CHECK
#
# Exits 77 (skipped) with the reason when root, ip, network namespaces, Xvfb, openbox, tint2,
# xdotool, xmessage or xprop are missing. RUVO_DESKTOP_HOLD sets the first connection's length (default 70 s).
set -u

program=$1
check=$2
hold=${RUVO_DESKTOP_HOLD:-70}

# shellcheck source=tests/system/desktop_session.sh
source "$(dirname "$0")/desktop_session.sh"
desktop_prerequisites desktop
for tool in xmessage xprop; do
    command -v "$tool" > /dev/null || skip "$tool is not installed"
done
for tool in "$program" "$check"; do
    [ -x "$tool" ] || { echo "desktop_connection: $tool is not an executable" >&2; exit 2; }
done

# --- the network namespace (one address while offline) and the X session --------------------
desktop_netns_up "ruvo-system-$$"
desktop_x_session_up
sleep 1

# --- settings and data folder as after a first start ------------------------------------------
desktop_settled_files 1
database="$data/RVDaten$year.db"

# --- helpers -----------------------------------------------------------------------------------
has_autosave() { grep -qi '^\[Temp\]' "$settings"; }
autosave_value() { sed -n '/^\[Temp\]/,/^\[/s/^'"$1"'=//p' "$settings" | head -n 1; }
# The records of the database as ruvo-data-check lists them, one per line.
check_data() {
    "$check" --slack 4 --tariffs "$work/Tarif.dat" --write-list "$work/records.list" "$data" ||
        fail "the data folder does not pass the check"
}
record_field() { sed -n "${1}p" "$work/records.list" | cut -f $(($2 + 2)); }

# --- a connection, saved from its summary ------------------------------------------------------
# The running charges go into the title of the window in front.
sed -i 's/^GebInWindows=0/GebInWindows=1/' "$settings"
start_program
sleep 10
kill -0 "$program_pid" 2> /dev/null || fail "the program ended at its start"
[ -f "$database" ] || fail "the start-up did not create $database"
if [ -n "$(xdotool search --onlyvisible --name '^Quelmar Ruvometer' 2> /dev/null)" ]; then
    fail "a window is shown after the start-up: $(shown_windows)"
fi

# The user works in another program's window, one that does not tell its process (an Xt
# program sets no _NET_WM_PID).
xmessage -title Notizen "Ein Fenster eines anderen Programms" > /dev/null 2>&1 &
session_pids+=("$!")
notes=$(wait_for_window Notizen 10) || fail "xmessage shows no window"
xdotool windowactivate --sync "$notes" 2> /dev/null
if xprop -id "$notes" _NET_WM_PID | grep -q '='; then
    echo "note: xmessage tells its process here; the window is decorated all the same"
fi

connect || fail "cannot add the second address"
started=$SECONDS
counter=$(wait_for_window "Quelmar Ruvometer" 15) ||
    fail "no counter window within 15 s of the second address; shown: $(shown_windows)"
echo "counter window $counter after $((SECONDS - started)) s"
sleep 3
[ "$(xdotool getactivewindow 2> /dev/null)" = "$notes" ] ||
    fail "the counter window took the focus from the window in front"
title=$(xdotool getwindowname "$notes")
[[ $title == "Notizen - "*" DM" ]] || fail "the window in front is titled \"$title\""
echo "the window in front reads \"$title\""
sleep "$hold"
has_autosave || fail "no autosave in $settings during the connection"
hang_up || fail "cannot take the second address away"
summary=$(wait_for_window "Verbindungszusammenfassung" 15) ||
    fail "no summary within 15 s of the address going; shown: $(shown_windows)"
title=$(xdotool getwindowname "$notes")
[ "$title" = Notizen ] || fail "after hanging up the other window is titled \"$title\""
press_return_until_gone "$summary" "Verbindungszusammenfassung" ||
    fail "Enter did not confirm the summary"
sleep 1
check_data
[ "$(wc -l < "$work/records.list")" = 1 ] || fail "the database holds no single record"
duration=$(record_field 1 2)
[ "$duration" -ge "$((hold - 2))" ] && [ "$duration" -le "$((hold + 12))" ] ||
    fail "the record counts $duration s for a connection of about $hold s"
[ "$(record_field 1 1)" = Ganztag ] || fail "the record's tariff is $(record_field 1 1)"
[ "$(record_field 1 3)" = "$((duration / 60 + 1))" ] || fail "the record's units do not fit"
[ "$(record_field 1 6)" = "$(((duration / 60 + 1) * 12))" ] || fail "the record's total does not fit"
! has_autosave || fail "the autosave is left after the save"
echo "saved: $(sed -n 1p "$work/records.list" | cut -f 3-12 | tr '\t' ' ')"

# --- a connection cut off by kill -9, restored at the next start -------------------------------
connect || fail "cannot add the second address again"
wait_for_window "Quelmar Ruvometer" 15 > /dev/null ||
    fail "no counter window for the second connection; shown: $(shown_windows)"
# The autosave is renewed when the total changes: at once, unless the last connection ended
# with the same total as this one's first unit.
for _ in $(seq 80); do
    has_autosave && break
    sleep 1
done
has_autosave || fail "no autosave in $settings during the second connection"
sleep 5
kill -9 "$program_pid"
wait "$program_pid" 2> /dev/null
program_pid=
hang_up || fail "cannot take the second address away"
expected="Ganztag"
for name in Zeit Einheiten Telegeb Provgeb Gesamt AZeit ADatum EZeit EDatum; do
    expected+=$'\t'$(autosave_value "$name")
done
check_data
[ "$(wc -l < "$work/records.list")" = 1 ] || fail "the killed connection was stored before its recovery"

start_program
recovery=$(wait_for_window "Quelmar Ruvometer - Wiederherstellen" 15) ||
    fail "no recovery dialog at the start after the kill; shown: $(shown_windows)"
press_return_until_gone "$recovery" "Quelmar Ruvometer - Wiederherstellen" ||
    fail "Enter did not answer the recovery"
sleep 2
check_data
[ "$(wc -l < "$work/records.list")" = 2 ] || fail "the restored connection is not in the database"
restored=$(sed -n 2p "$work/records.list" | cut -f 3-12)
[ "$restored" = "$expected" ] ||
    fail "the restored record differs from the autosave: $restored instead of $expected"
! has_autosave || fail "the autosave is left after the recovery"
echo "restored: $(echo "$restored" | tr '\t' ' ')"
echo "PASSED in $SECONDS s"
