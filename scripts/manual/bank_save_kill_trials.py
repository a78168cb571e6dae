#!/usr/bin/env python3
"""Kills the bank save at random moments and counts what the bin folder holds afterwards.

Each trial saves one build's pair, starts a program that saves the pairs of two different builds in
turn (tests/core/manual/BankSaveTrial.cpp), kills it with SIGKILL after a random delay and checks
the folder: both files of one build (whole), or bank1.bin of one build beside bank2.bin of the other
(mixed). Run by hand, not in CI:

    cmake --build build -j3 --target bank_save_trial
    python3 scripts/manual/bank_save_kill_trials.py [--trials 300] [--build build]
"""
import argparse
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--trials", type=int, default=300)
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "..", "..", "build"))
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    tool = os.path.join(args.build, "bin", "bank_save_trial")
    if not os.access(tool, os.X_OK):
        sys.exit(f"{tool} is missing: cmake --build {args.build} --target bank_save_trial")
    rng = random.Random(args.seed)
    counts = {"whole": 0, "mixed": 0, "other": 0}
    leftovers = 0
    work = tempfile.mkdtemp(prefix="bank_kill.")
    try:
        for _ in range(args.trials):
            config = os.path.join(work, "config")
            shutil.rmtree(config, ignore_errors=True)
            binFolder = os.path.join(config, "bin")
            os.makedirs(binFolder)
            subprocess.run([tool, "save", binFolder], check=True)
            loop = subprocess.Popen([tool, "loop", binFolder])
            # Past the program's start (a few milliseconds), somewhere in one of its saves.
            time.sleep(rng.uniform(0.01, 0.06))
            loop.send_signal(signal.SIGKILL)
            loop.wait()
            result = subprocess.run([tool, "check", binFolder]).returncode
            counts[{0: "whole", 1: "mixed"}.get(result, "other")] += 1
            leftovers += sum(1 for name in os.listdir(config) if name != "bin")
            leftovers += sum(1 for name in os.listdir(binFolder) if name not in ("bank1.bin", "bank2.bin"))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"{args.trials} kills: {counts['whole']} whole pairs, {counts['mixed']} mixed, "
          f"{counts['other']} other; {leftovers} left-over temporaries")
    return 1 if counts["mixed"] or counts["other"] else 0


if __name__ == "__main__":
    sys.exit(main())
