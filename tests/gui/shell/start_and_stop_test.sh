#!/usr/bin/env bash
# The program's start and end as a process: a second copy leaves at once without touching the
# first, and a termination signal ends the first the way "Exit" does, scratch file deleted.
# Runs a copy of the program in a folder of its own, so that its scratch database and its lock
# are the test's alone. Called by ctest inside a network namespace: brelvo PROGRAM_FOLDER
set -euo pipefail

source_folder=$1
work=$(mktemp -d /tmp/brelvo-start-test.XXXXXX)
first=
cleanup() {
    if [ -n "$first" ] && kill -0 "$first" 2>/dev/null; then
        kill -KILL "$first" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to $2 tenths of a second for the command in $1 to succeed.
wait_for() {
    local k
    for ((k = 0; k < $2; k++)); do
        if eval "$1"; then return 0; fi
        sleep 0.1
    done
    return 1
}

program="$work/program"
mkdir -p "$program"
cp "$source_folder/brelvo" "$program/"
cp -r "$source_folder/Setting.ini" "$source_folder/Languages" "$source_folder/Skin" "$program/"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

"$program/brelvo" >"$work/first.log" 2>&1 &
first=$!
wait_for "[ -e '$program/data.db' ]" 100 || fail "the first copy did not open its store"
wait_for "[ -e '$XDG_RUNTIME_DIR/Quelt_Brelvo.lock' ]" 50 || fail "no single-instance lock"

start=$(date +%s%N)
status=0
timeout 10 "$program/brelvo" >"$work/second.log" 2>&1 || status=$?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
[ "$status" = 0 ] || fail "the second copy exited with $status"
[ ! -s "$work/second.log" ] || fail "the second copy said something: $(cat "$work/second.log")"
[ "$elapsed_ms" -lt 5000 ] || fail "the second copy took $elapsed_ms ms to leave"
kill -0 "$first" 2>/dev/null || fail "the first copy did not survive the second"
[ -e "$program/data.db" ] || fail "the second copy touched the first one's store"
echo "second copy left silently after $elapsed_ms ms"

kill -TERM "$first"
status=0
wait_for "! kill -0 $first 2>/dev/null" 100 || fail "the first copy did not end on SIGTERM"
wait "$first" || status=$?
first=
[ "$status" = 0 ] || fail "the first copy ended with $status on SIGTERM: $(cat "$work/first.log")"
[ ! -e "$program/data.db" ] || fail "the scratch database was left behind"
echo "SIGTERM ended the program like Exit: status 0, scratch database deleted"
