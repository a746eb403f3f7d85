#!/usr/bin/env python3
"""Crash and concurrency torture of the companion's `set`.

Kills: `vokg-cli set` on a copy of the sample design file, killed with SIGKILL at a random moment
of its run. After every run the design file and its companion must each be the old or the new
version (never a mix, never cut short), and the user's folder must hold nothing else but the new
file of a save killed before its rename (hidden, named after its writer). Every so often, and at
the end, a run that is not killed must leave nothing beside the files (the open sweeps the new
files of dead writers) and no working folder of a dead run in the private temporary folder (the
companion sweeps them at its start).

Pairs: two `set` started together on one file, one changing the model name, the other the data
version of the same table. Each either succeeds, and its change is in the file afterwards, or is
refused with status 7 and the message that another program is saving; nothing else is allowed.

    tools/torture.py [--cli build/default/bin/vokg-cli] [--kills 2000] [--pairs 500] [--seed N]
    tools/torture.py --short        # a few seconds: 40 kills, 10 pairs

Exit status 0 when nothing was torn, lost or left behind; the figures go to standard output.
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE_SIZE = 8192
TABLE = 2
MODEL_OFFSET = (TABLE - 1) * TABLE_SIZE      # the machine model name, 10 bytes
VERSION_OFFSET = MODEL_OFFSET + 10           # the data version, 10 bytes
BUSY_STATUS = 7
BUSY_TEXT = "This file is being saved by another program"
FILES = ("SAMPLE.DSG", "SAMPLE.DSK")
# The name a save gives the new file it writes beside the target: hidden, naming its writer.
NEW_FILE = re.compile(r"^\.(SAMPLE\.DSG|SAMPLE\.DSK)\.vokg-[A-Za-z0-9]{0,16}-[0-9]+-[A-Za-z0-9]{6}$")


def read(path):
    with open(path, "rb") as f:
        return f.read()


class Bench:
    def __init__(self, cli, work):
        self.cli = cli
        self.work = work
        self.folder = os.path.join(work, "user")
        self.private_tmp = os.path.join(work, "tmp")
        os.makedirs(self.folder)
        os.makedirs(self.private_tmp)
        for name in FILES:
            shutil.copyfile(os.path.join(ROOT, "samples", name), os.path.join(self.folder, name))
        self.env = dict(os.environ)
        # The working folders go to a temporary folder of this bench's own, so that its count of
        # leftovers is not muddled by other runs on the machine.
        self.env.pop("XDG_RUNTIME_DIR", None)
        self.env["TMPDIR"] = self.private_tmp
        self.env["LC_ALL"] = "C.UTF-8"

    def path(self, name="SAMPLE.DSG"):
        return os.path.join(self.folder, name)

    def snapshot(self):
        return {name: read(os.path.join(self.folder, name)) for name in sorted(os.listdir(self.folder))}

    def start(self, *assignments):
        return subprocess.Popen([self.cli, "set", "%s:%d" % (self.path(), TABLE), *assignments],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=self.env)

    def run(self, *assignments):
        process = self.start(*assignments)
        out, err = process.communicate(timeout=120)
        return process.returncode, err.decode("utf-8", "replace")

    def dead_run_folders(self):
        found = []
        for base, dirs, _ in os.walk(self.private_tmp):
            found += [os.path.join(base, d) for d in dirs if d.startswith("run-")]
        return found


def version_text(n):
    return "%d.%02d" % (n // 100 % 10, n % 100)


def kills(bench, count, rng, report):
    values = [version_text(n) for n in range(10, 20)]
    # What the files are after an unkilled set of each value: the set writes the version only,
    # so the result depends on the value alone, whatever version the file held before.
    reference = {}
    durations = []
    for value in values:
        started = time.monotonic()
        status, err = bench.run("header.version=" + value)
        durations.append(time.monotonic() - started)
        if status != 0:
            sys.exit("torture: the unkilled set of %s failed (%d): %s" % (value, status, err))
        reference[value] = bench.snapshot()
    for value in values:  # the same value again reproduces the same files
        bench.run("header.version=" + value)
        if bench.snapshot() != reference[value]:
            sys.exit("torture: two unkilled sets of %s left different files" % value)
    longest = max(durations) * 1.3
    figures = dict(runs=0, kills=0, finished=0, torn=0, strays=0, new_files=0, unswept=0, dead_folders=0)
    before = bench.snapshot()
    pending = set()  # new files of killed runs, not yet swept
    for i in range(count):
        value = rng.choice(values)
        process = bench.start("header.version=" + value)
        time.sleep(rng.uniform(0, longest))
        if process.poll() is None:
            process.send_signal(signal.SIGKILL)
            figures["kills"] += 1
        process.communicate()
        figures["runs"] += 1
        if process.returncode == 0:
            figures["finished"] += 1
        after = bench.snapshot()
        for name in FILES:
            if after.get(name) not in (before[name], reference[value][name]):
                figures["torn"] += 1
                report("torn: run %d (%s) left %s neither old nor new" % (i, value, name))
        for name in set(after) - set(FILES) - pending:
            if process.returncode != 0 and NEW_FILE.match(name):
                # The new file of a save killed before its rename: the next run sweeps it.
                figures["new_files"] += 1
                pending.add(name)
            else:
                figures["strays"] += 1
                report("stray: run %d left %s beside the file" % (i, name))
                os.remove(bench.path(name))
        before = {name: after[name] for name in FILES}
        if (i + 1) % 100 == 0 or i + 1 == count:
            # A run that is not killed sweeps what killed runs left.
            status, err = bench.run("header.version=" + value)
            if status != 0:
                sys.exit("torture: the clean run failed (%d): %s" % (status, err))
            before = bench.snapshot()
            for name in set(before) - set(FILES):
                figures["unswept"] += 1
                report("leftover: %s beside the file after a clean run" % name)
                os.remove(bench.path(name))
                del before[name]
            pending.clear()
            left = bench.dead_run_folders()
            figures["dead_folders"] += len(left)
            for folder in left:
                report("leftover: %s after a clean start" % folder)
    return figures


def pairs(bench, count, rng, report):
    figures = dict(pairs=0, updates=0, applied=0, refused=0, lost=0, other=0)
    for i in range(count):
        model = ("M%05d" % i).encode()
        version = version_text(i).encode()
        first, second = ("header.model=" + model.decode(), "header.version=" + version.decode())
        if rng.random() < 0.5:
            first, second = second, first
        a = bench.start(first)
        time.sleep(rng.uniform(0, 0.02))
        b = bench.start(second)
        results = []
        for process, assignment in ((a, first), (b, second)):
            _, err = process.communicate(timeout=120)
            results.append((process.returncode, err.decode("utf-8", "replace"), assignment))
        figures["pairs"] += 1
        data = read(bench.path())
        for status, err, assignment in results:
            figures["updates"] += 1
            if assignment.startswith("header.model="):
                present = data[MODEL_OFFSET:MODEL_OFFSET + len(model)] == model
            else:
                present = data[VERSION_OFFSET:VERSION_OFFSET + len(version)] == version
            if status == 0 and present:
                figures["applied"] += 1
            elif status == 0:
                figures["lost"] += 1
                report("lost: pair %d, %s succeeded but is not in the file" % (i, assignment))
            elif status == BUSY_STATUS and BUSY_TEXT in err:
                figures["refused"] += 1
            else:
                figures["other"] += 1
                report("pair %d, %s: status %d: %s" % (i, assignment, status, err.strip()))
    return figures


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--cli", default=os.path.join(ROOT, "build", "default", "bin", "vokg-cli"))
    parser.add_argument("--kills", type=int, default=2000)
    parser.add_argument("--pairs", type=int, default=500)
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--short", action="store_true", help="40 kills and 10 pairs")
    parser.add_argument("--quiet", action="store_true", help="figures only")
    args = parser.parse_args()
    if args.short:
        args.kills, args.pairs = 40, 10
    seed = args.seed if args.seed is not None else random.randrange(1 << 30)
    rng = random.Random(seed)
    problems = []

    def report(line):
        problems.append(line)
        if not args.quiet:
            print(line, flush=True)

    with tempfile.TemporaryDirectory(prefix="vokg-torture-") as work:
        bench = Bench(args.cli, work)
        started = time.monotonic()
        killed = kills(bench, args.kills, rng, report)
        paired = pairs(bench, args.pairs, rng, report)
        seconds = time.monotonic() - started
    print("seed %d, %.0f s" % (seed, seconds))
    print("kills: %(runs)d runs, %(kills)d killed, %(finished)d finished, %(torn)d torn files, "
          "%(strays)d other files left beside the data file, %(new_files)d new files of killed saves "
          "(%(unswept)d left after a clean run), %(dead_folders)d dead runs' folders after a start"
          % killed)
    print("pairs: %(pairs)d pairs, %(updates)d updates: %(applied)d applied, %(refused)d refused as busy, "
          "%(lost)d lost, %(other)d other failures" % paired)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
