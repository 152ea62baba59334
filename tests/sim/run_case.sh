#!/usr/bin/env bash
# Runs ruvometer-sim on one case and compares what it wrote with what the case expects.
#
#   run_case.sh SIM CASE_DIR
#
# CASE_DIR holds
#   script.sim   the script, run from CASE_DIR on a fresh, empty data directory
#   transcript   the expected standard output
#   seed/        optional: files put into the data directory before the run (registry.reg ...);
#                a symbolic link is copied as the link itself (a file that is there but cannot
#                be opened: a link to itself)
#   result/      optional: files the data directory must hold afterwards, compared byte for byte;
#                a symbolic link there must be the same link in the data directory
#   status       optional: the expected exit status (0 when absent)
#   stderr       optional: the expected standard error
# "@DIR@" in any of these stands for the data directory, with its trailing slash.
#
# With RUVO_SIM_UPDATE=1 the case's transcript, result files and stderr are rewritten from this
# run instead of compared: read the diff before committing it.
set -u

sim=$1
case "$sim" in
    /*) ;;
    *) sim="$PWD/$sim" ;;
esac
case_dir=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/ruvo-sim-XXXXXX")
trap 'rm -rf "$work"' EXIT
data="$work/data"
mkdir -p "$data" "$work/actual"

# The data directory's path as a sed pattern, and the other way round.
data_pattern=$(printf '%s/' "$data" | sed 's/[.[\*^$|]/\\&/g')
to_actual() { LC_ALL=C sed "s|@DIR@|$data/|g" "$1"; }
to_placeholder() { LC_ALL=C sed "s|$data_pattern|@DIR@|g" "$1"; }

if [ -d "$case_dir/seed" ]; then
    for file in "$case_dir/seed"/*; do
        if [ -L "$file" ]; then
            cp -P "$file" "$data/$(basename "$file")"
        else
            to_actual "$file" > "$data/$(basename "$file")"
        fi
    done
fi

(cd "$case_dir" && "$sim" "$data" script.sim) > "$work/stdout" 2> "$work/stderr_raw"
status=$?
to_placeholder "$work/stdout" > "$work/actual/transcript"
to_placeholder "$work/stderr_raw" > "$work/actual/stderr"

if [ "${RUVO_SIM_UPDATE:-}" = 1 ]; then
    cp "$work/actual/transcript" "$case_dir/transcript"
    if [ -s "$work/actual/stderr" ] || [ -f "$case_dir/stderr" ]; then
        cp "$work/actual/stderr" "$case_dir/stderr"
    fi
    if [ "$status" != 0 ] || [ -f "$case_dir/status" ]; then
        echo "$status" > "$case_dir/status"
    fi
    if [ -d "$case_dir/result" ]; then
        for file in "$case_dir/result"/*; do
            if [ ! -L "$file" ]; then
                to_placeholder "$data/$(basename "$file")" > "$file"
            fi
        done
    fi
    echo "updated $case_dir"
    exit 0
fi

failed=0
expected_status=0
if [ -f "$case_dir/status" ]; then
    expected_status=$(cat "$case_dir/status")
fi
if [ "$status" != "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    failed=1
fi
if ! diff -u "$case_dir/transcript" "$work/actual/transcript"; then
    echo "the transcript differs (above: - expected, + actual)"
    failed=1
fi
if [ -f "$case_dir/stderr" ]; then
    if ! diff -u "$case_dir/stderr" "$work/actual/stderr"; then
        echo "standard error differs"
        failed=1
    fi
elif [ -s "$work/actual/stderr" ]; then
    echo "unexpected standard error:"
    cat "$work/actual/stderr"
    failed=1
fi
if [ -d "$case_dir/result" ]; then
    for file in "$case_dir/result"/*; do
        name=$(basename "$file")
        if [ -L "$file" ]; then
            if [ ! -L "$data/$name" ] || [ "$(readlink "$file")" != "$(readlink "$data/$name")" ]; then
                echo "$name is not the link to $(readlink "$file") any more"
                failed=1
            fi
        elif [ ! -f "$data/$name" ]; then
            echo "$name was not written"
            failed=1
        elif ! to_placeholder "$data/$name" | cmp -s "$file" -; then
            diff -u "$file" <(to_placeholder "$data/$name")
            echo "$name differs (above: - expected, + actual)"
            failed=1
        fi
    done
fi
# The registry is replaced atomically: no temporary file is left behind.
if compgen -G "$data/*.tmp*" > /dev/null; then
    echo "temporary files left in the data directory:" "$data"/*.tmp*
    failed=1
fi
exit "$failed"
