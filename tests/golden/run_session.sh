#!/usr/bin/env bash
# Replays one recorded quillon-keys session and compares what the harness prints:
#   run_session.sh HARNESS SESSION [RUNNER...]   (RUNNER, e.g. Wine, starts the harness)
#
# A session file holds, in any order:
#   # args: ...        options for quillon-keys (paths relative to the session's folder)
#   # exit: N          the expected exit status (0 when absent)
#   > keys             one line of standard input (@SAVED@ as in the options)
#   ! text             one expected line of standard error
#   < text             one expected line of the settings file that `--save @SAVED@` writes
#   other lines        the expected standard output, line by line
set -u
harness=$(realpath "$1")
session=$(realpath "$2")
cd "$(dirname "$session")" || exit 1
name=$(basename "$session")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
args=$(sed -n 's/^# args: //p' "$name" | sed "s#@SAVED@#$work/saved#g")
want_exit=$(sed -n 's/^# exit: //p' "$name")

sed -n -e 's/^> //p' -e 's/^>$//p' "$name" | sed "s#@SAVED@#$work/saved#g" > "$work/input"
grep -v -e '^# ' -e '^>' -e '^! ' -e '^< ' "$name" > "$work/want_out"
sed -n 's/^! //p' "$name" > "$work/want_err"
sed -n 's/^< //p' "$name" > "$work/want_saved"

# shellcheck disable=SC2086 # the options are split as written in the session
"${@:3}" "$harness" $args < "$work/input" > "$work/out" 2> "$work/err"
status=$?

ok=1
if [ "$status" != "${want_exit:-0}" ]; then
    echo "exit status $status, expected ${want_exit:-0}"
    ok=0
fi
diff -u "$work/want_out" "$work/out" || ok=0
diff -u "$work/want_err" "$work/err" || ok=0
if [ -s "$work/want_saved" ]; then
    diff -u "$work/want_saved" "$work/saved" || ok=0
fi
[ $ok = 1 ]
