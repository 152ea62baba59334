#!/usr/bin/env bash
# The script of scripts/sim-year (the simulator's throughput figure) still runs through: twenty
# days over a change of year, with the first start, the budgets, the closures and the question
# of the change of year. A dialog of the program that the script does not expect stops the
# simulator with an error, and the figure would be measured on part of the year.
#
#   year_script.sh SIM SOURCE_DIR
set -u
sim=$1
source_dir=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/ruvo-sim-year-XXXXXX")
trap 'rm -rf "$work"' EXIT

python3 "$source_dir/scripts/sim-year" --start 1999-12-20 --days 20 "$work/data" > "$work/year.sim" ||
    exit 1
if ! "$sim" "$work/data" "$work/year.sim" > "$work/transcript" 2> "$work/stderr"; then
    echo "ruvometer-sim stopped:" >&2
    cat "$work/stderr" >&2
    exit 1
fi
summaries=$(grep -c 'show Form4' "$work/transcript")
years=$(grep -c 'message "Jahreswechsel!' "$work/transcript")
if [ "$summaries" -ne 60 ] || [ "$years" -ne 1 ]; then
    echo "expected 60 summaries and one change of year, got $summaries and $years" >&2
    exit 1
fi
