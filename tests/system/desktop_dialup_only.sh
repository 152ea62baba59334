#!/usr/bin/env bash
# A machine whose only network is the dial-up link: the desktop program runs in a network
# namespace of its own with nothing but loopback up, measures its offline address count at the
# start (loopback never counts: 0), and notices the connection when a ppp0 interface comes up with
# an address (TEST-NET-1, nothing is routed anywhere): the counter window opens. When the link
# goes down the summary follows.
#
#   desktop_dialup_only.sh RUVOMETER
#
# Exits 77 (skipped) with the reason when root, ip, network namespaces, Xvfb, openbox, tint2 or
# xdotool are missing.
set -u

program=$1

# shellcheck source=tests/system/desktop_session.sh
source "$(dirname "$0")/desktop_session.sh"
desktop_prerequisites dialup
[ -x "$program" ] || { echo "desktop_dialup_only: $program is not an executable" >&2; exit 2; }

desktop_netns_add "ruvo-dialup-$$"
desktop_x_session_up
sleep 1
# An empty offline count: the start measures it.
desktop_settled_files ""

start_program
sleep 10
kill -0 "$program_pid" 2> /dev/null || fail "the program ended at its start"
grep -qx 'Offline%20IPs=0' "$settings" ||
    fail "loopback alone does not count 0: $(grep '^Offline' "$settings")"
if [ -n "$(xdotool search --onlyvisible --name '^Quelmar Ruvometer' 2> /dev/null)" ]; then
    fail "a window is shown after the start-up: $(shown_windows)"
fi

# The dial-up link comes up: a point-to-point interface ppp0 with one address. Its far end stays
# down and has no address.
in_netns link add ppp0 type veth peer name ppp0far || skip "cannot create a veth pair"
in_netns addr add 192.0.2.2 peer 192.0.2.1/32 dev ppp0 || fail "cannot give ppp0 its address"
in_netns link set ppp0 up || fail "cannot set ppp0 up"
started=$SECONDS
counter=$(wait_for_window "Quelmar Ruvometer" 15) ||
    fail "no counter window within 15 s of ppp0 coming up; shown: $(shown_windows)"
echo "counter window $counter after $((SECONDS - started)) s"
for _ in $(seq 15); do
    grep -qi '^\[Temp\]' "$settings" && break
    sleep 1
done
grep -qi '^\[Temp\]' "$settings" || fail "no autosave of the running connection in $settings"

in_netns link set ppp0 down || fail "cannot set ppp0 down"
summary=$(wait_for_window "Verbindungszusammenfassung" 15) ||
    fail "no summary within 15 s of ppp0 going down; shown: $(shown_windows)"
xdotool key --window "$summary" Return
window_gone "Verbindungszusammenfassung" 10 || fail "Enter did not confirm the summary"
echo "PASSED in $SECONDS s"
