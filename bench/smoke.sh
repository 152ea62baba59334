#!/usr/bin/env bash
# Runs every benchmark case once, briefly, at the smallest year (1,000 records), and fails when a
# case reported an error: a case whose set-up broke is then a failing test instead of a line in a
# benchmark report.
#   smoke.sh BENCH_PROGRAM...
set -u
status=0
out=$(mktemp "${TMPDIR:-/tmp}/ruvo-bench-smoke-XXXXXX") || exit 1
trap 'rm -f "$out"' EXIT
for program in "$@"; do
    if ! "$program" --benchmark_filter='-/10{4,5}$' --benchmark_min_time=0.001 \
        --benchmark_out="$out" --benchmark_out_format=json > /dev/null 2>&1; then
        echo "FAILED: $program did not run its cases"
        status=1
        continue
    fi
    cases=$(grep -c '"run_name"' "$out")
    errors=$(grep -c '"error_occurred": true' "$out")
    echo "$program: $cases cases, $errors with an error"
    if [ "$cases" -eq 0 ] || [ "$errors" -ne 0 ]; then
        grep -A1 '"error_occurred": true' "$out" | grep error_message
        status=1
    fi
done
exit $status
