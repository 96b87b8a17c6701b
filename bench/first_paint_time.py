#!/usr/bin/env python3
"""Time from starting the desktop program to its window's first paint, under Xvfb: min and
median of N starts. Skips (exit 0, says so) when Xvfb is not installed.

    python3 bench/first_paint_time.py KARVELO [--repeat N]
"""

import argparse
import os
import shutil
import statistics
import subprocess
import tempfile
import time


def free_display():
    for number in range(90, 200):
        if not os.path.exists(f"/tmp/.X{number}-lock"):
            return f":{number}"
    raise RuntimeError("no free X display number from :90 to :199")


def wait_for_server(display, server, timeout=10.0):
    socket = f"/tmp/.X11-unix/X{display[1:]}"
    deadline = time.monotonic() + timeout
    while not os.path.exists(socket):
        if server.poll() is not None or time.monotonic() > deadline:
            raise RuntimeError(f"Xvfb did not start on {display}")
        time.sleep(0.05)


def first_paint_ms(program, env):
    start = time.perf_counter()
    with subprocess.Popen([program, "--report-first-paint"], env=env, stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, text=True) as run:
        line = run.stdout.readline()
        elapsed = (time.perf_counter() - start) * 1000.0
        run.wait(timeout=30)
    if line.strip() != "first paint":
        raise RuntimeError(f"{program} ended without painting (exit {run.returncode})")
    return elapsed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--repeat", type=int, default=10)
    args = parser.parse_args()
    if shutil.which("Xvfb") is None:
        print("first paint under Xvfb: skipped, Xvfb is not installed")
        return
    display = free_display()
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_for_server(display, server)
        with tempfile.TemporaryDirectory() as config:
            env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                       XDG_CONFIG_HOME=config)
            first_paint_ms(args.program, env)  # warms the file cache and the wisdom
            times = [first_paint_ms(args.program, env) for _ in range(args.repeat)]
        print(f"{'first paint under Xvfb':34} {min(times):8.1f} {statistics.median(times):10.1f}")
    finally:
        server.terminate()
        server.wait()


if __name__ == "__main__":
    main()
