#!/usr/bin/env python3
"""Kills quillon-keys at seeded random moments while it writes the tape and the settings file,
and checks after each kill that both files read back whole: the tape holds every line of the
keys whose input line had finished (and is the tape of some later moment of the same run), the
settings file is the old one or the new one, and nothing was put aside as ".bad".

    kill_safety.py QUILLON_KEYS [KILLS] [SEED]

The harness writes its files through the same portable code as the program (the tape keeper
appends each key's lines, corrections replace the whole file through a temporary file; the
settings are written to a temporary file moved over the old one)."""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

KEYS = "0 1 2 3 4 5 6 7 8 9 00 . + - * / = C CE <- +- % SQR 1/X MS MR M+ M- T".split()


def key_line(rng):
    if rng.random() < 0.12:
        return "EDIT %d %d.%d" % (rng.randint(1, 40), rng.randint(0, 999), rng.randint(0, 99))
    if rng.random() < 0.06:
        return "NOTE %d note %d" % (rng.randint(1, 40), rng.randint(0, 9999))
    return " ".join(rng.choice(KEYS) for _ in range(rng.randint(1, 12)))


def run(harness, arguments, text):
    done = subprocess.run([harness] + arguments, input=text.encode(), capture_output=True,
                          timeout=60)
    return done.returncode, done.stdout.decode("latin-1")


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def tape_of(harness, settings, tape, sets, lines, scratch):
    """The tape a run of `lines` leaves, from copies of the files as they were before it."""
    for source, copy in ((settings, "oracle.ini"), (tape, "oracle.tape")):
        target = os.path.join(scratch, copy)
        if os.path.exists(target):
            os.remove(target)
        if os.path.exists(source):
            shutil.copyfile(source, target)
    arguments = ["--ini", os.path.join(scratch, "oracle.ini"),
                 "--tape", os.path.join(scratch, "oracle.tape")] + sets
    _, out = run(harness, arguments, "".join(line + "\n" for line in lines) + "TAPE\n")
    return [l for l in out.splitlines() if l.startswith("tape: ")]


def main():
    harness = os.path.abspath(sys.argv[1])
    wanted = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 22)
    work = tempfile.mkdtemp(prefix="quillon-kill-")
    settings = os.path.join(work, "Quillon.ini")
    tape = os.path.join(work, "Quillon.tape")
    before = os.path.join(work, "before")
    os.mkdir(before)
    failures = []
    kills = during_save = runs = 0
    while kills < wanted and runs < wanted * 3:
        runs += 1
        for path, name in ((settings, "s.ini"), (tape, "t.tape")):
            if os.path.exists(os.path.join(before, name)):
                os.remove(os.path.join(before, name))
            if os.path.exists(path):
                shutil.copyfile(path, os.path.join(before, name))
        old_settings = read(settings)
        sets = ["--set", "ROUND_MODE=%d" % rng.randint(0, 3),
                "--set", "ADD_MODE=%s" % rng.choice(["YES", "NO"]),
                "--set", "DIGIT_GROUPING=%d" % rng.randint(0, 2)]
        lines = [key_line(rng) for _ in range(rng.randint(5, 40))]
        at_end = rng.random() < 0.3  # kill while the settings are saved, not during the keys
        cut = len(lines) if at_end else rng.randint(0, len(lines))
        delay = rng.uniform(0, 0.004)

        process = subprocess.Popen([harness, "--ini", settings, "--save", settings,
                                    "--tape", tape] + sets, stdin=subprocess.PIPE,
                                   stdout=subprocess.PIPE)
        process.stdin.write("".join(l + "\n" for l in lines[:cut]).encode())
        process.stdin.flush()
        if at_end:
            process.stdin.close()
        time.sleep(delay)
        killed = process.poll() is None
        if killed:
            process.send_signal(signal.SIGKILL)
        out = process.stdout.read().decode("latin-1")
        process.wait()
        if not at_end:
            process.stdin.close()
        kills += killed
        finished = sum(1 for l in out.splitlines() if l.startswith("= "))
        name = "run %d (cut %d of %d, %s, %d finished)" % (
            runs, cut, len(lines), "killed" if killed else "ended", finished)

        bad = [f for f in os.listdir(work) if f.endswith(".bad")]
        if bad:
            failures.append("%s: put aside %s" % (name, bad))
            break
        code, out = run(harness, ["--ini", settings, "--tape", tape], "TAPE\n")
        if code != 0 or "message: " in out:
            failures.append("%s: the files do not read back: %s" % (name, out[:300]))
            break
        shown = [l for l in out.splitlines() if l.startswith("tape: ")]
        ini, old_tape = os.path.join(before, "s.ini"), os.path.join(before, "t.tape")
        done = tape_of(harness, ini, old_tape, sets, lines[:finished], work)
        if finished < len(lines):
            next_done = tape_of(harness, ini, old_tape, sets, lines[:finished + 1], work)
        else:
            next_done = done
        between = shown[:len(done)] == done and next_done[:len(shown)] == shown
        if shown not in (done, next_done) and not between:
            failures.append("%s: tape of %d lines, finished keys give %d, the next line %d"
                            % (name, len(shown), len(done), len(next_done)))
            break

        now = read(settings)
        _, _ = run(harness, ["--ini", ini, "--save", os.path.join(work, "new.ini")] + sets, "")
        new = read(os.path.join(work, "new.ini"))
        if now not in (old_settings, new) or (not killed and now != new):
            failures.append("%s: the settings file is neither the old nor the new one" % name)
            break
        if now == new and now != old_settings and killed and at_end:
            during_save += 1

    if failures:
        print("files kept in", work)
    else:
        shutil.rmtree(work)
    print("%d runs, %d killed (%d after the keys, with the new settings on disk), tape of %s"
          % (runs, kills, during_save, len(shown) if runs else 0))
    for failure in failures:
        print("FAIL:", failure)
    if kills < wanted:
        print("FAIL: only %d kills" % kills)
    return 1 if failures or kills < wanted else 0


if __name__ == "__main__":
    sys.exit(main())
