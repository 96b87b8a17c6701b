#!/usr/bin/env python3
"""Whole-process times of the command-line program (start, work, exit), min and median
of N runs each, with the FFTW wisdom already in the cache.

    python3 bench/startup_times.py KARVELO_CLI OUT_DIR [--repeat N]
"""

import argparse
import os
import statistics
import subprocess
import time


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cli")
    parser.add_argument("out")
    parser.add_argument("--repeat", type=int, default=10)
    args = parser.parse_args()
    png = os.path.join(args.out, "startup-profile.png")
    commands = {
        "info": [args.cli, "info"],
        "analyse --mode profile --png": [args.cli, "analyse", "--mode", "profile", "--png", png],
    }
    print(f"{'command':34} {'min ms':>8} {'median ms':>10}")
    for name, command in commands.items():
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)  # warms the wisdom
        times = []
        for _ in range(args.repeat):
            start = time.perf_counter()
            subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
            times.append((time.perf_counter() - start) * 1000.0)
        print(f"{name:34} {min(times):8.1f} {statistics.median(times):10.1f}")


if __name__ == "__main__":
    main()
