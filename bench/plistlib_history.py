#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times Python's plistlib on the sample history files, for comparison with our reader and writer."""
import json
import plistlib
import sys
import tempfile
import time


def best_of(runs, fn):
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        fn()
        best = min(best, time.perf_counter() - start)
    return best * 1000.0


def main(sample_dir):
    results = {}
    for n in (10000, 100000):
        path = f"{sample_dir}/history-{n}.plist"
        with open(path, "rb") as f:
            data = f.read()
        entries = plistlib.loads(data)
        assert len(entries) == n
        load_ms = best_of(5, lambda: plistlib.loads(data))
        with tempfile.NamedTemporaryFile() as out:
            def save():
                out.seek(0)
                out.truncate()
                plistlib.dump(entries, out, fmt=plistlib.FMT_XML)
                out.flush()
            save_ms = best_of(5, save)
        results[n] = {"load_ms": round(load_ms, 1), "save_ms": round(save_ms, 1)}
    json.dump(results, sys.stdout, indent=1)
    print()


if __name__ == "__main__":
    main(sys.argv[1])
