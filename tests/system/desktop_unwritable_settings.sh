#!/usr/bin/env bash
# The desktop program keeps counting when its settings can no longer be written. Its settings
# folder is a small file system of its own. During the first connection, once the running
# connection has been saved there, the folder is made read-only; before the second connection it
# is made writable again and filled up. Each connection is noticed and counted, the failed
# autosave is told once in a box, and at hang-up the whole connection is saved in the database
# from its summary.
#
#   desktop_unwritable_settings.sh RUVOMETER CHECK
#
# Exits 77 (skipped) with the reason when root, ip, network namespaces, a tmpfs mount, Xvfb,
# openbox, tint2 or xdotool are missing.
set -u

program=$1
check=$2

# shellcheck source=tests/system/desktop_session.sh
source "$(dirname "$0")/desktop_session.sh"
desktop_prerequisites unwritable
for tool in "$program" "$check"; do
    [ -x "$tool" ] || { echo "desktop_unwritable_settings: $tool is not an executable" >&2; exit 2; }
done

settings_mount=
extra_cleanup() {
    [ -n "$settings_mount" ] && umount "$settings_mount" 2> /dev/null
}

desktop_netns_up "ruvo-unwritable-$$"
desktop_x_session_up
sleep 1
desktop_settled_files 1
# One zone all day, 12 Pf per 10 s: a new unit, and so a new autosave, every 10 s.
printf '0,0,1,\r\nGanztag' > "$data/Tarif.dat"
for _ in 1 2 3; do printf '\r\n0000\r\n2400\r\n12\r\n10' >> "$data/Tarif.dat"; done
cp "$data/Tarif.dat" "$work/Tarif.dat"

settings_folder=$(dirname "$settings")
cp "$settings" "$work/settings.start"
mount -t tmpfs -o size=256k,mode=0700 ruvo-settings "$settings_folder" 2> "$work/mount.err" ||
    skip "cannot mount a small file system for the settings: $(cat "$work/mount.err")"
settings_mount=$settings_folder
cp "$work/settings.start" "$settings"

has_autosave() { grep -qi '^\[Temp\]' "$settings"; }
# The ids of the shown windows titled as the program: the counter window and its boxes.
program_windows() { xdotool search --onlyvisible --name '^Quelmar Ruvometer$' 2> /dev/null; }
records() {
    "$check" --slack 4 --tariffs "$work/Tarif.dat" --write-list "$work/records.list" "$data" \
        > /dev/null || fail "the data folder does not pass the check"
    wc -l < "$work/records.list"
}

# One connection of about $2 s. The settings folder is made unwritable by the command $1 after
# the first autosave, or is unwritable already when $1 is "already"; checks the box, the counting
# and the saved record.
connection_with_unwritable_settings() {
    local make_unwritable=$1 hold=$2 records_before counter box started duration
    records_before=$(records)
    connect || fail "cannot add the second address"
    started=$SECONDS
    counter=$(wait_for_window "Quelmar Ruvometer" 15) ||
        fail "no counter window within 15 s of the second address; shown: $(shown_windows)"
    if [ "$make_unwritable" != already ]; then
        for _ in $(seq 15); do
            has_autosave && break
            sleep 1
        done
        has_autosave || fail "no autosave in $settings during the connection"
        $make_unwritable || fail "cannot make the settings folder unwritable ($make_unwritable)"
    fi

    box=
    for _ in $(seq 100); do
        box=$(program_windows | grep -vx "$counter" | head -n 1)
        [ -n "$box" ] && break
        kill -0 "$program_pid" 2> /dev/null || fail "the program ended when the settings failed"
        sleep 0.2
    done
    [ -n "$box" ] || fail "no box within 20 s of the failed autosave; shown: $(shown_windows)"
    echo "box $box after $((SECONDS - started)) s ($make_unwritable), at $SECONDS s"
    press_return_until_gone_id "$box"
    sleep 12
    kill -0 "$program_pid" 2> /dev/null || fail "the program ended during the connection"
    [ -z "$(program_windows | grep -vx "$counter")" ] ||
        fail "the failed autosave was told more than once ($make_unwritable): $(program_windows | grep -vx "$counter" | tr '\n' ' ')"
    while [ $((SECONDS - started)) -lt "$hold" ]; do sleep 1; done

    hang_up || fail "cannot take the second address away"
    summary=$(wait_for_window "Verbindungszusammenfassung" 15) ||
        fail "no summary within 15 s of the address going; shown: $(shown_windows)"
    press_return_until_gone "$summary" "Verbindungszusammenfassung" ||
        fail "Enter did not confirm the summary"
    sleep 2
    kill -0 "$program_pid" 2> /dev/null || fail "the program ended after the summary"
    [ "$(records)" = $((records_before + 1)) ] ||
        fail "the connection is not in the database ($make_unwritable)"
    duration=$(sed -n '$p' "$work/records.list" | cut -f 4)
    [ "$duration" -ge "$((hold - 6))" ] || fail "the record counts $duration s of about $hold s"
    [ "$(sed -n '$p' "$work/records.list" | cut -f 5)" = "$((duration / 10 + 1))" ] ||
        fail "the units did not go on counting: $(sed -n '$p' "$work/records.list")"
    # Boxes about the settings that cannot be written after the save are answered.
    echo "after the save: $(answer_program_boxes) box(es)"
    echo "saved at $SECONDS s: $(sed -n '$p' "$work/records.list" | cut -f 3-12 | tr '\t' ' ')"
}

# Presses Return in the window with the id $1 until it is no longer shown.
press_return_until_gone_id() {
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$1" 2> /dev/null
        xdotool key --window "$1" Return 2> /dev/null
        sleep 1
        program_windows | grep -qx "$1" || return 0
    done
    fail "Return did not close the box $1"
}

# Answers the program's open boxes with Return; prints how many there were.
answer_program_boxes() {
    local box answered=0
    for _ in 1 2 3 4 5; do
        box=$(program_windows | head -n 1)
        [ -z "$box" ] && break
        xdotool windowactivate --sync "$box" 2> /dev/null
        xdotool key --window "$box" Return 2> /dev/null
        answered=$((answered + 1))
        sleep 1
    done
    echo "$answered"
}

make_read_only() { mount -o remount,ro "$settings_folder"; }
make_writable() { mount -o remount,rw "$settings_folder"; }
fill_up() {
    # Fails by design when the file system is full; the check is what is left.
    dd if=/dev/zero of="$settings_folder/fill" bs=4k 2> /dev/null
    [ "$(df --output=avail "$settings_folder" | tail -n 1)" -lt 8 ]
}

echo "session up at $SECONDS s"
start_program
sleep 10
kill -0 "$program_pid" 2> /dev/null || fail "the program ended at its start"

connection_with_unwritable_settings make_read_only 30
make_writable || fail "cannot make the settings folder writable again"
fill_up || fail "cannot fill the settings folder up"
sleep 6
# A settings write of the housekeeping that fails now is told before the connection.
echo "before the second connection: $(answer_program_boxes) box(es)"
connection_with_unwritable_settings already 30
echo "PASSED in $SECONDS s"
