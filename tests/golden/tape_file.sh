#!/usr/bin/env bash
# The tape file through quillon-keys: a run killed right after a key has every line on
# disk, the next run reads the tape back, and each damaged file is set aside under a name of
# its own. (A second run on the same folder waits for the first: golden.shared_files.)
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
kill -9 "$pid"
wait "$pid" 2> /dev/null
exec 3>&-
printf 'QUILLON TAPE 2\t.\t,\r\n+\tstart\t12\t0\t\r\n=\tentry\t3\t0\t\r\n=\tresult\t15\t2\t\r\n' > want
cmp -s want t.tape || fail "killed run lost a line: $(cat -A t.tape)"

echo TAPE | "$harness" --tape t.tape > out
[ "$(grep -c '^tape: ' out)" = 3 ] || fail "tape not read back: $(cat out)"

printf 'QUILLON TAPE 1\r\n\x00\x01 not a tape\r\n' > t.tape
echo older > t.tape.bad
echo "TAPE 4 +" | "$harness" --tape t.tape > out
grep -q '^message: The tape file t.tape could not be read. It was renamed to t.tape.2.bad' out || fail "no message: $(cat out)"
[ "$(grep -c '^message' out)" = 1 ] || fail "told more than once"
grep -q 'not a tape' t.tape.2.bad || fail "damaged file not kept aside"
grep -q older t.tape.bad || fail "the earlier damaged file was replaced"
printf 'QUILLON TAPE 2\t.\t,\r\n+\tstart\t4\t0\t\r\n' > want
cmp -s want t.tape || fail "no new tape: $(cat -A t.tape)"
echo ok
