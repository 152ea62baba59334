#!/usr/bin/env bash
# Crash soak: ruvometer-sim runs weeks of connections (splits at a change of tariff and at
# midnight, budget closures, a tariff save every morning) and is killed with SIGKILL at a random
# moment, again and again, each run resuming from the files the last one left: the program is
# started on the same folder, restores the autosave if there is one, and goes on with more days.
# After every run ruvo-data-check checks the folder: whole, plausible records (a cut tail at
# most), Tarif.dat and registry.reg read back as written, the autosave whole, and nothing that
# was saved before the kill is gone.
#
#   crash_soak.sh SIM CHECK [SECONDS]
#
# SECONDS (default 50) bounds the soak's running time. Environment:
#   RUVO_SOAK_SEED         seed of the random kill moments and connection lengths (printed)
#   RUVO_SOAK_MAX_KILL_MS  latest kill moment after a run starts, in ms (default 3000)
#   RUVO_SOAK_DAYS         days of connections per run (default 14)
#   RUVO_SOAK_KEEP         folder to keep the data, scripts and transcripts of a failed run in
#                          (default: a folder under the temporary folder, printed)
set -u

sim=$1
check=$2
seconds=${3:-50}
for tool in "$sim" "$check"; do
    if [ ! -x "$tool" ]; then
        echo "crash_soak: $tool is not an executable" >&2
        exit 2
    fi
done

seed=${RUVO_SOAK_SEED:-$$}
RANDOM=$seed
max_kill_ms=${RUVO_SOAK_MAX_KILL_MS:-3000}
days_per_run=${RUVO_SOAK_DAYS:-14}

# A folder in memory when there is one: the simulator rewrites its registry file after every
# script line that changed it, and a rename on a disk file system waits for the data. A killed process leaves the
# same files either way.
base=${TMPDIR:-/tmp}
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    base=/dev/shm
fi
work=$(mktemp -d "$base/ruvo-soak-XXXXXX") || exit 1
data="$work/data"
mkdir -p "$data"
cleanup() {
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- calendar: days since 1970-01-01 (a Thursday), weeks from Sunday -------------------------
day_of() { echo $(($(date -u -d "$1" +%s) / 86400)); }  # YYYY-MM-DD
iso_of() { date -u -d "@$(($1 * 86400))" +%Y-%m-%d; }
text_of() { date -u -d "@$(($1 * 86400))" +%d.%m.%y; }    # dd.mm.yy
month_of() { date -u -d "@$(($1 * 86400))" +%m; }
week_start() { echo $(($1 - ($1 + 4) % 7)); }
day_of_text() { day_of "20${1:6:2}-${1:3:2}-${1:0:2}"; }  # dd.mm.yy of this century

first_day=$(day_of 2000-11-20)

# --- the files the program starts from ---------------------------------------------------------
# Tag 12 Pf per 60 s until 18:00, Abend 6 Pf per 90 s from 18:00, every day class alike; the
# provider charges 2 Pf a begun minute after 30 free minutes a month.
tariff_file="$work/Tarif.dat"
zone() { printf '%s' "$1"; for _ in 1 2 3; do printf '\r\n%s\r\n%s\r\n%s\r\n%s' "$2" "$3" "$4" "$5"; done; }
{
    printf '2,30,1,\r\n'
    zone Tag 0000 1800 12 60
    printf '\r\n'
    zone Abend 1800 2400 6 90
} > "$tariff_file"
cp "$tariff_file" "$data/Tarif.dat"

# Settings as after a first start, with both budgets in use and closed on the first day, every
# connection saved at once, and every title decoration on.
key='HKEY_CURRENT_USER\Software\Quelmar\Ruvometer 2.3'
today=$(text_of "$first_day")
{
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER]\n\n[HKEY_CURRENT_USER\\Software]\n\n'
    printf '[HKEY_CURRENT_USER\\Software\\Quelmar]\n\n[%s]\n' "$key"
    for pair in RESETALLSETTINGS=1 EMailQuestion=asked AskAutostartQuestion=0 "Offline IPs=1" \
        "AktuellerMonat=${today:3:5}" MonatsOnlineMinuten=0 EinheitenWarnungFrage=1 \
        EinheitenWarnton=1 EinheitenWarnung=3 GebInWindows=1 ZeitInWindows=1 SekInWindows=1 \
        WochenBudget=1000 WochenBudgetAN=1 WochenBudgetVerbraucht=0 "WBFin=$today" \
        MonatsBudget=5000 MonatsBudgetAN=1 MonatsBudgetVerbraucht=0 "MBFin=$today" \
        AlwaysSaveConnections=1 HideCounterWindow=0; do
        printf '"%s"="%s"\n' "${pair%%=*}" "${pair#*=}"
    done
    printf '\n[%s\\Feiertage]\n' "$key"
    printf '"0A"="25.12.00"\n"0B"="1. Weihnachtstag"\n"1A"="26.12.00"\n"1B"="2. Weihnachtstag"\n\n'
} > "$data/registry.reg"

if ! "$check" --tariffs "$tariff_file" --write-list "$work/previous.list" "$data" > /dev/null; then
    echo "crash_soak: the prepared data folder does not pass the check" >&2
    exit 1
fi

# --- one run's script --------------------------------------------------------------------------
registry_value() {
    awk -v section="[$key]" -v name="\"$1\"=" '
        $0 == section { inside = 1; next }
        /^\[/ { inside = 0 }
        inside && index($0, name) == 1 { value = substr($0, length(name) + 2); sub(/"$/, "", value); print value }
    ' "$data/registry.reg"
}
holiday_years() {
    awk -v section="[$key\\Feiertage]" '
        $0 == section { inside = 1; next }
        /^\[/ { inside = 0 }
        inside && /^"[0-9]+A"=/ { print substr($0, length($0) - 2, 2) }
    ' "$data/registry.reg"
}
autosave_exists() {
    grep -qxF "[$key\\Temp]" "$data/registry.reg"
}

# The budget closures (and the year's question, whether to take the new year's holidays: no)
# that a housekeeping tick on day $1 opens, as the lines that answer them; keeps the closure
# dates up to date.
answers_on_day() {
    local day=$1 crossing=$2
    if [ "$(month_of "$day")" != "$closed_month" ]; then
        echo "    click Form3.Ok"
        closed_month=$(month_of "$day")
    fi
    if [ "$(week_start "$day")" != "$(week_start "$closed_week_day")" ]; then
        echo "    click Form3.Ok"
        closed_week_day=$day
    fi
    if [ "$crossing" = yes ] && [ "$(month_of "$day")" = 01 ] &&
        [ "$(date -u -d "@$((day * 86400))" +%d)" = 01 ]; then
        echo "    answer Nein"
    fi
}

# The script of a run that starts the program on the morning of day $1 and goes on for
# $days_per_run days.
write_script() {
    local start=$1 last=$(($1 + days_per_run - 1)) day iso
    closed_week_day=$(day_of_text "$(registry_value WBFin)")
    closed_month=$(registry_value MBFin)
    closed_month=${closed_month:3:2}
    iso=$(iso_of "$start")
    echo "clock $iso 06:00:00"
    echo "window Editor - Brief.txt"
    echo "start"
    if autosave_exists; then
        echo "    click Form14.Button1"
    fi
    # Holidays of another year are pointed out once the start-up is through.
    if holiday_years | grep -qvx "${iso:2:2}"; then
        echo "answer OK"
    fi
    echo "wait 10"
    answers_on_day "$start" no
    for ((day = start; day <= last; day++)); do
        iso=$(iso_of "$day")
        # Morning: the main window from the tray, "Minimieren" saves the tariff file.
        echo "clock $iso 07:59:00"
        echo "tray"
        echo "click Form1.Button17"
        echo "addresses 2"
        echo "wait $((300 + RANDOM % 2100))"
        echo "addresses 1"
        echo "wait 8"
        # Across the change of tariff at 18:00: split at the next unit boundary.
        echo "clock $iso 17:50:00"
        echo "addresses 2"
        echo "wait $((900 + RANDOM % 600))"
        echo "addresses 1"
        echo "wait 8"
        # Across midnight: split in mid-unit; closures and the new year come due.
        echo "clock $iso 23:50:00"
        echo "addresses 2"
        echo "wait 630"
        answers_on_day $((day + 1)) yes
        echo "wait $((60 + RANDOM % 540))"
        echo "addresses 1"
        echo "wait 8"
    done
}

# --- the soak ----------------------------------------------------------------------------------
runs=0
kills=0
recoveries=0
closures=0
tails=0
started=$SECONDS
day=$first_day
summary=

fail() {
    local keep=${RUVO_SOAK_KEEP:-$(mktemp -d "${TMPDIR:-/tmp}/ruvo-soak-failed-XXXXXX")}
    mkdir -p "$keep"
    cp -r "$data" "$work"/run.* "$work"/*.list "$keep"/ 2>/dev/null
    echo "crash_soak: $1 (run $runs, seed $seed); data, script and transcript kept in $keep" >&2
    exit 1
}

while [ $((SECONDS - started)) -lt "$seconds" ]; do
    runs=$((runs + 1))
    write_script "$day" > "$work/run.sim"
    delay_ms=$((20 + (RANDOM * 32768 + RANDOM) % max_kill_ms))
    # timeout is the simulator's parent: the kill cannot reach another process.
    # (The braces take the shell's own "Killed" notice.)
    { timeout -s KILL "$((delay_ms / 1000)).$(printf '%03d' $((delay_ms % 1000)))" \
        "$sim" "$data" "$work/run.sim" > "$work/run.out" 2> "$work/run.err"; } 2> /dev/null
    status=$?
    case $status in
        0) ;;
        137) kills=$((kills + 1)) ;;
        *) fail "ruvometer-sim ended with status $status: $(cat "$work/run.err")" ;;
    esac
    recoveries=$((recoveries + $(grep -c ' hide Form14$' "$work/run.out")))
    closures=$((closures + $(grep -c ' show Form3$' "$work/run.out")))
    if ! summary=$("$check" --tariffs "$tariff_file" --previous "$work/previous.list" \
        --write-list "$work/current.list" "$data" 2> "$work/run.check"); then
        cat "$work/run.check" >&2
        fail "the data folder lost or garbled something"
    fi
    mv "$work/current.list" "$work/previous.list"
    case $summary in
        *"cut tail 0 bytes"*) ;;
        *) tails=$((tails + 1)) ;;
    esac
    # The next run begins the day after the last thing the program showed.
    last_line=$(tail -n 1 "$work/run.out")
    if [ -n "$last_line" ]; then
        day=$(($(day_of_text "${last_line:0:8}") + 1))
    else
        day=$((day + 1))
    fi
done

records=${summary#records }
echo "crash soak: $runs runs in $((SECONDS - started)) s, $kills killed with SIGKILL," \
    "$recoveries autosaves restored, $closures budget closures, $tails cut tails;" \
    "days $(text_of "$first_day") to $(text_of "$day"); ${records%% in *} records (seed $seed)"
