#!/usr/bin/env bash
# The tape file through quillon-keys: a run killed right after a key has every line on
# disk, a second run does not write the tape the first holds, the next run reads the tape
# back, and a damaged file is renamed to ".bad".
set -u
harness=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

mkfifo keys
"$harness" --tape t.tape < keys > out &
pid=$!
exec 3> keys
echo "1 2 + 3 =" >&3
for _ in $(seq 200); do grep -q '^= 15' out && break; sleep 0.05; done
grep -q '^= 15' out || fail "no answer from the harness"
# While the first run holds t.tape, a second one shows it but writes nothing to it.
cp t.tape before
echo "5 + 5 =" | "$harness" --tape t.tape > second
grep -q '^message: The tape file t.tape is open in another Quillon' second ||
    fail "second run not told: $(cat second)"
cmp -s before t.tape || fail "second run wrote a held tape: $(cat -A t.tape)"
kill -9 "$pid"
wait "$pid" 2> /dev/null
exec 3>&-
printf 'QUILLON TAPE 1\r\n+\tstart\t12\t0\t\r\n=\tentry\t3\t0\t\r\n=\tresult\t15\t2\t\r\n' > want
cmp -s want t.tape || fail "killed run lost a line: $(cat -A t.tape)"

echo TAPE | "$harness" --tape t.tape > out
[ "$(grep -c '^tape: ' out)" = 3 ] || fail "tape not read back: $(cat out)"

printf 'QUILLON TAPE 1\r\n\x00\x01 not a tape\r\n' > t.tape
echo older > t.tape.bad
echo "TAPE 4 +" | "$harness" --tape t.tape > out
grep -q '^message: The tape file t.tape could not be read' out || fail "no message: $(cat out)"
[ "$(grep -c '^message' out)" = 1 ] || fail "told more than once"
grep -q 'not a tape' t.tape.bad || fail "damaged file not kept aside"
printf 'QUILLON TAPE 1\r\n+\tstart\t4\t0\t\r\n' > want
cmp -s want t.tape || fail "no new tape: $(cat -A t.tape)"
echo ok
