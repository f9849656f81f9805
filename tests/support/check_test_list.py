"""Lists the build's ctest tests as a machine without a display lists them,
and checks that every test has a kind and a time limit.

Usage: check_test_list.py CTEST BUILD_DIR KIND...
A test's kind is its one label out of KIND...; its limit is its TIMEOUT.
Prints what is wrong and exits 1, or prints a count per kind and exits 0.
"""

import json
import os
import subprocess
import sys


def main():
    ctest, build_dir, kinds = sys.argv[1], sys.argv[2], set(sys.argv[3:])
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    listing = subprocess.run([ctest, "--show-only=json-v1"], cwd=build_dir, env=env,
                             capture_output=True, text=True, timeout=300)
    if listing.returncode != 0 or listing.stderr.strip():
        print("listing the tests without a display failed (status %d):\n%s"
              % (listing.returncode, listing.stderr))
        return 1

    bad = []
    count = {kind: 0 for kind in sorted(kinds)}
    for test in json.loads(listing.stdout)["tests"]:
        props = {p["name"]: p["value"] for p in test.get("properties", [])}
        labels = [label for label in props.get("LABELS", []) if label in kinds]
        if len(labels) != 1:
            bad.append("%s: kinds %s, want one of %s" % (test["name"], labels, sorted(kinds)))
        else:
            count[labels[0]] += 1
        if not props.get("TIMEOUT", 0) > 0:
            bad.append("%s: no TIMEOUT" % test["name"])
    for line in bad:
        print(line)
    print(", ".join("%d %s" % (n, kind) for kind, n in count.items()))
    # The GUI executables list their tests only when ctest runs: none listed
    # means they failed to.
    if count.get("gui", 0) == 0:
        print("no gui tests listed")
        return 1
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
