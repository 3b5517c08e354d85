#!/usr/bin/env python3
"""Runs clang-tidy (the checks of .clang-tidy) over the program code, two files at a time,
with the compile commands of a build tree, and fails on any finding.

    scripts/tidy.py [build dir, default build/test]

Tests, benchmarks and fuzz targets are not checked. A file whose source, headers (as the
build recorded them), compile command, check list and clang-tidy version are the same as when
it last passed is not checked again (stamps in <build>/tidy-passed), so a second run looks only
at what changed.
"""
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The folders of program code; one CMake target (or two) per folder.
PROGRAM_DIRS = "app|cli|records|entry|analysis|charts|browser|exchange|prefs|resources"
JOBS = 2


def program_entries(build):
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    pattern = re.compile(re.escape(ROOT) + "/(" + PROGRAM_DIRS + r")/.*\.cpp$")
    return [e for e in entries if pattern.match(e["file"])]


def object_of(entry):
    args = shlex.split(entry["command"])
    return args[args.index("-o") + 1] if "-o" in args else None


def recorded_deps(build):
    """Every object's source and headers, as the last build recorded them."""
    out = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True)
    deps = {}
    current = None
    for line in out.stdout.splitlines():
        if line and not line[0].isspace():
            obj, _, state = line.partition(": ")
            current = obj if "(VALID)" in state else None
            if current:
                deps[current] = []
        elif line.strip() and current:
            deps[current].append(line.strip())
    return deps


class Stamper:
    """A file's stamp: the check list, the clang-tidy version, the compile command and
    the text of the source and of every header it read. None when unknown (not built)."""

    def __init__(self, build, fixed):
        self.deps = recorded_deps(build)
        self.fixed = fixed
        self.digests = {}

    def digest(self, path):
        if path not in self.digests:
            try:
                with open(path, "rb") as f:
                    self.digests[path] = hashlib.sha256(f.read()).hexdigest()
            except OSError:
                self.digests[path] = "missing"
        return self.digests[path]

    def stamp(self, entry):
        files = self.deps.get(object_of(entry))
        if not files:
            return None
        h = hashlib.sha256(self.fixed)
        h.update(entry["command"].encode())
        for path in files:
            h.update(path.encode() + b"\0" + self.digest(os.path.join(entry["directory"], path)).encode())
        return h.hexdigest()


def tidy(build, entry, header_filter):
    result = subprocess.run(
        ["clang-tidy", "-p", build, "--quiet", "--header-filter=" + header_filter, entry["file"]],
        capture_output=True, text=True)
    output = result.stdout + result.stderr
    # clang-tidy prints a count of findings in system headers even when quiet; drop it.
    output = "\n".join(l for l in output.splitlines() if not re.match(r"^\d+ warnings? .*generated\.$", l))
    return result.returncode == 0 and "warning:" not in output and "error:" not in output, output


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build/test"))
    stamps = os.path.join(build, "tidy-passed")
    os.makedirs(stamps, exist_ok=True)
    started = time.monotonic()

    version = subprocess.run(["clang-tidy", "--version"], capture_output=True).stdout
    with open(os.path.join(ROOT, ".clang-tidy"), "rb") as f:
        fixed = version + f.read()
    header_filter = "^" + re.escape(ROOT) + "/(" + PROGRAM_DIRS + r")/([^/]+/)?[^/]+\.h$"

    entries = program_entries(build)
    stamper = Stamper(build, fixed)
    keys = [stamper.stamp(e) for e in entries]
    todo = [(e, k) for e, k in zip(entries, keys)
            if k is None or not os.path.exists(os.path.join(stamps, k))]

    failed = []
    with concurrent.futures.ThreadPoolExecutor(JOBS) as pool:
        runs = {pool.submit(tidy, build, e, header_filter): (e, k) for e, k in todo}
        for done in concurrent.futures.as_completed(runs):
            entry, key = runs[done]
            ok, output = done.result()
            if ok and key is not None:
                open(os.path.join(stamps, key), "w").close()
            elif not ok:
                failed.append(os.path.relpath(entry["file"], ROOT))
                print(output.strip(), flush=True)

    # Stamps of files as they no longer are would only pile up.
    current = set(k for k in keys if k)
    for name in os.listdir(stamps):
        if name not in current:
            os.remove(os.path.join(stamps, name))

    seconds = time.monotonic() - started
    if failed:
        print("clang-tidy: findings in %s (fix them; .clang-tidy says which checks are off and why)"
              % ", ".join(sorted(failed)), file=sys.stderr)
        return 1
    print("clang-tidy: %d files clean, %d checked now, %.0f s" % (len(entries), len(todo), seconds))
    return 0


if __name__ == "__main__":
    sys.exit(main())
