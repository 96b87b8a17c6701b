#!/usr/bin/env python3
"""Prints, per action, Karvelo's median (a benchmark's JSON), the peer's median and
their ratio (actions the peer does not measure are left out).

    python3 bench/compare_peer.py BENCH_JSON PEER_TXT
"""

import json
import sys


def main():
    karvelo = {}
    for entry in json.load(open(sys.argv[1]))["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            name = entry["run_name"].split("/")[0].removeprefix("BM_")
            karvelo[name] = entry["real_time"]  # milliseconds (the benchmarks' unit)
    peer = dict(line.split() for line in open(sys.argv[2]) if line.strip())
    print(f"{'action':34} {'karvelo ms':>11} {'peer ms':>9} {'ratio':>7}")
    for name, ms in karvelo.items():
        if name not in peer:
            continue  # measured on the C++ side only
        peer_ms = float(peer[name])
        print(f"{name:34} {ms:11.2f} {peer_ms:9.2f} {peer_ms / ms:7.1f}")


if __name__ == "__main__":
    main()
