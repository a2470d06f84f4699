#!/usr/bin/env bash
# Files quillon-keys cannot write, and two runs on one tape: a write that fails is told once
# with the file and the reason, the run goes on in memory and ends with status 1; a second
# run on the same tape waits for the first, so neither loses a line the other wrote.
set -u
harness=$(realpath "$1")
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

# A folder that is gone, and (for a user the system holds to permissions) a read-only one.
mkdir locked && chmod 555 locked
folders=(gone)
[ -w locked ] || folders+=(locked)
for folder in "${folders[@]}"; do
  echo "1 + 2 = * 3 =" | "$harness" --tape "$folder/t.tape" --save "$folder/Quillon.ini" > out
  status=$?
  [ "$status" = 1 ] || fail "$folder: exit status $status"
  [ "$(grep -c '^message: Quillon cannot write' out)" = 1 ] || fail "$folder: told $(cat out)"
  grep -q "^message: Quillon cannot write $folder/t.tape" out || fail "$folder: no file named"
  grep -q '^= 9' out || fail "$folder: the keys were not worked: $(cat out)"
  [ -z "$(ls -A locked)" ] || fail "$folder: files appeared"
done

# The first run keeps its input open while the second starts, corrects and adds; the first
# then adds a line and ends.
mkfifo keys
"$harness" --tape t.tape < keys > first &
first_pid=$!
exec 3> keys
echo "1 + 2 =" >&3
for _ in $(seq 200); do grep -q '^= 3' first && break; sleep 0.05; done
printf 'EDIT 1 5\n7 +\n' | "$harness" --tape t.tape > second 3>&- &
second_pid=$!
sleep 0.5
echo "4 +" >&3
exec 3>&-
wait "$first_pid" || fail "first run failed"
wait "$second_pid" || fail "second run failed"
echo TAPE | "$harness" --tape t.tape > out
grep '^tape:' out | tr -s ' ' > lines
printf 'tape: 5 +\ntape: 2 =\ntape: = 7 = 2 items\ntape: 4 +\ntape: 7 +\n' > want
cmp -s want lines || fail "lines lost or out of order: $(cat lines)"
echo ok
