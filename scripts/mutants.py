#!/usr/bin/env python3
"""Plants the faults listed in scripts/mutants/*.txt, one at a time, in a scratch
copy of the tree, and tells for each whether a test caught it.

Each fault is a block of "key: value" lines (blank lines between faults, "#"
comments):

    file: src/astro/zonefinder.cpp
    line: return fromZones(zones);
    with: return {};
    tests: tst_zonefinder
    why: several matches reported as none

`line` must match exactly one line of the file once blanks at both ends are
removed; `with` replaces it, keeping its indentation. `tests` names CTest tests;
none named means every unit and widget test. The checkout itself is never
written: it is copied once to a scratch folder, which keeps one build folder
between faults and runs, so only what a fault changes is rebuilt.
"""

import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LISTS = ROOT / "scripts" / "mutants"
KEYS = ("file", "line", "with", "tests", "why")


class Fault:
    def __init__(self, listfile, number, fields, where):
        self.listfile = listfile
        self.number = number  # within its list, from 1
        self.where = where  # the block's first line in its list
        self.fields = fields

    def __getattr__(self, key):
        if key in KEYS:
            return self.fields.get(key, "")
        raise AttributeError(key)

    def name(self):
        return f"{self.listfile.relative_to(ROOT)}:{self.number}"


def read_list(path):
    faults, fields, start, problems = [], {}, 0, []

    def close():
        nonlocal fields
        if fields:
            missing = [k for k in ("file", "line") if k not in fields]
            if missing or "with" not in fields:
                problems.append(f"{path.relative_to(ROOT)}:{start}: a fault without "
                                f"{', '.join(missing + ([] if 'with' in fields else ['with']))}")
            else:
                faults.append(Fault(path, len(faults) + 1, fields, start))
        fields = {}

    for number, text in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not text.strip():
            close()
            continue
        if text.lstrip().startswith("#"):
            continue
        key, colon, value = text.partition(":")
        key = key.strip()
        if not colon or key not in KEYS:
            problems.append(f"{path.relative_to(ROOT)}:{number}: not a 'key: value' line")
            continue
        if not fields:
            start = number
        fields[key] = value.strip()
    close()
    return faults, problems


def run(command, **kwargs):
    return subprocess.run(command, text=True, **kwargs)


def skipped(top_name):
    return top_name == ".git" or top_name.startswith("build") or top_name == ".cache"


def copy_tree(source, target):
    """Makes `target` hold what `source` holds, writing only the files whose content
    differs: those get today's date, so the build sees them even when an older
    date would have come along."""
    wanted = set()
    for folder, subfolders, files in os.walk(source):
        relative = Path(folder).relative_to(source)
        if relative == Path("."):
            subfolders[:] = [d for d in subfolders if not skipped(d)]
            files = [f for f in files if not skipped(f)]
        (target / relative).mkdir(parents=True, exist_ok=True)
        for name in files:
            wanted.add(relative / name)
            there = target / relative / name
            content = (source / relative / name).read_bytes()
            if not there.is_file() or there.read_bytes() != content:
                there.write_bytes(content)
                shutil.copymode(source / relative / name, there)
    for folder, subfolders, files in os.walk(target, topdown=True):
        relative = Path(folder).relative_to(target)
        if relative == Path("."):
            subfolders[:] = [d for d in subfolders if not skipped(d)]
        for name in files:
            if relative / name not in wanted and not (relative == Path(".") and skipped(name)):
                (target / relative / name).unlink()


def prepare_scratch(scratch, jobs):
    """The checkout copied into scratch/tree (files that changed since the last run
    are touched, so the build sees them even when an older date came along), and
    its build folder configured. The build folder sits in the copy as it does in a
    checkout, so that ccache finds what the checkout's own build compiled."""
    tree = scratch / "tree"
    build = tree / "build"
    tree.mkdir(parents=True, exist_ok=True)
    copy_tree(ROOT, tree)
    env = dict(os.environ)
    env.setdefault("CCACHE_DIR", str(ROOT.parent / ".ccache"))
    env["CCACHE_BASEDIR"] = str(tree)
    env["CCACHE_NOHASHDIR"] = "1"
    if not (build / "build.ninja").exists():
        run(["cmake", "-S", tree, "-B", build, "-G", "Ninja",
             "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"],
            stdout=subprocess.DEVNULL, check=True, env=env)
    print(f"building the unchanged tree in {build} ...", flush=True)
    built = run(["cmake", "--build", build, "-j", str(jobs)], stdout=subprocess.PIPE,
                stderr=subprocess.STDOUT, env=env)
    if built.returncode != 0:
        sys.exit("the unchanged tree does not build:\n" + built.stdout[-3000:])
    return tree, build, env


def test_commands(build):
    shown = run(["ctest", "--test-dir", build, "--show-only=json-v1"], stdout=subprocess.PIPE,
                check=True).stdout
    tests = {}
    for test in json.loads(shown)["tests"]:
        labels = []
        for prop in test.get("properties", []):
            if prop["name"] == "LABELS":
                labels = prop["value"]
        tests[test["name"]] = (test.get("command", []), labels)
    return tests


def targets_for(names, tests, build):
    """The build outputs the named tests start; None when one cannot be told."""
    outputs = set()
    for name in names:
        command, _ = tests[name]
        inside = [arg for arg in command
                  if arg.startswith(str(build) + "/") and os.path.isfile(arg)]
        if not inside:
            return None
        outputs.update(os.path.relpath(arg, build) for arg in inside)
    return sorted(outputs)


def apply(fault, tree):
    """The file's text with the fault in it, and its original; or why it cannot be."""
    path = tree / fault.file
    if not path.is_file():
        return None, None, f"no file {fault.file}"
    original = path.read_text(encoding="utf-8")
    lines = original.splitlines(keepends=True)
    found = [i for i, text in enumerate(lines) if text.strip() == fault.line]
    if len(found) != 1:
        return None, None, (f"the line matches {len(found)} lines of {fault.file}, not one: "
                            f"{fault.line}")
    text = lines[found[0]]
    indent = text[:len(text) - len(text.lstrip())]
    ending = text[len(text.rstrip("\r\n")):]
    lines[found[0]] = (indent + fault.fields["with"] if fault.fields["with"] else "") + ending
    return "".join(lines), original, None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--fault", action="append", default=[],
                        help="one fault: LIST.txt:N (its Nth fault) or N (Nth of all)")
    parser.add_argument("--list", action="append", default=[], help="one list's faults")
    parser.add_argument("--source", action="append", default=[],
                        help="the faults planted in one source file")
    parser.add_argument("--check", action="store_true",
                        help="only check that every fault applies; build and run nothing")
    parser.add_argument("--scratch", default=os.environ.get(
        "MUTANTS_SCRATCH", f"/tmp/solvanta-mutants-{os.getuid()}"))
    parser.add_argument("--timeout", type=int, default=300,
                        help="seconds the tests of one fault may take (default 300)")
    parser.add_argument("--jobs", type=int, default=2)
    options = parser.parse_args()

    lists = sorted(LISTS.glob("*.txt"))
    faults, problems = [], []
    for path in lists:
        found, wrong = read_list(path)
        faults += found
        problems += wrong
    chosen = []
    for wanted in options.fault:
        if re.fullmatch(r"\d+", wanted):
            index = int(wanted)
            if not 1 <= index <= len(faults):
                sys.exit(f"there are {len(faults)} faults, no {index}")
            chosen.append(faults[index - 1])
        else:
            listname, _, number = wanted.rpartition(":")
            match = [f for f in faults if number.isdigit() and int(number) == f.number and
                     (f.listfile.name == Path(listname).name)]
            if not match:
                sys.exit(f"no fault {wanted}")
            chosen += match
    for listname in options.list:
        chosen += [f for f in faults if f.listfile.name == Path(listname).name]
    for source in options.source:
        chosen += [f for f in faults if f.file == source]
    if not (options.fault or options.list or options.source):
        chosen = faults
    for problem in problems:
        print(f"error: {problem}")

    scratch = Path(options.scratch).resolve()
    if scratch == ROOT or ROOT in scratch.parents:
        sys.exit("the scratch folder must lie outside the checkout")
    started = time.monotonic()
    counts = {"killed": 0, "killed by the build": 0, "survived": 0, "error": len(problems)}
    survivors = []

    if options.check:
        for fault in chosen:
            _, _, why = apply(fault, ROOT)  # reads the checkout, writes nothing
            if why:
                counts["error"] += 1
                print(f"error    {fault.name()}: {why}")
        print(f"{len(chosen)} faults checked, {counts['error']} errors")
        return 1 if counts["error"] else 0

    tree, build, env = prepare_scratch(scratch, options.jobs)
    tests = test_commands(build)
    everyday = sorted(name for name, (_, labels) in tests.items()
                      if not set(labels) & {"e2e", "packaging"})
    interrupted = False

    def stop(*_):
        nonlocal interrupted
        interrupted = True
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, stop)
    for number, fault in enumerate(chosen, 1):
        label = f"[{number}/{len(chosen)}] {fault.name()} {fault.file}: {fault.why or fault.line}"
        names = fault.tests.split() or everyday
        unknown = [n for n in names if n not in tests]
        mutated, original, why = apply(fault, tree)
        if unknown:
            why = f"no such test: {' '.join(unknown)}"
        if why:
            counts["error"] += 1
            print(f"error    {label}\n         {why}", flush=True)
            continue
        path = tree / fault.file
        t0 = time.monotonic()
        try:
            path.write_text(mutated, encoding="utf-8")
            targets = targets_for(names, tests, build)
            built = run(["ninja", "-C", build, "-j", str(options.jobs)] + (targets or []),
                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env)
            if built.returncode != 0:
                verdict = "killed by the build"
            else:
                pattern = "^(" + "|".join(re.escape(n) for n in names) + ")$"
                try:
                    tested = run(["ctest", "--test-dir", build, "-j", str(options.jobs),
                                  "-R", pattern, "--timeout", str(options.timeout),
                                  "--output-on-failure"],
                                 stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                 timeout=options.timeout + 60)
                    verdict = "killed" if tested.returncode != 0 else "survived"
                    failed = re.findall(r"\d+ - (\S+) \(", tested.stdout)
                    failed += [line.strip() for line in tested.stdout.splitlines()
                               if line.startswith("FAIL!")][:3]
                except subprocess.TimeoutExpired:
                    verdict, failed = "killed", ["(time limit)"]
        except KeyboardInterrupt:
            path.write_text(original, encoding="utf-8")
            print("\ninterrupted: the faulty line is restored")
            return 130
        finally:
            path.write_text(original, encoding="utf-8")
        counts[verdict] += 1
        seconds = time.monotonic() - t0
        shown = {"killed": "killed  ", "survived": "SURVIVED", "killed by the build": "killed (build)"}
        print(f"{shown[verdict]} {label} ({seconds:.0f} s)", flush=True)
        if verdict == "killed":
            print("         failed: " + "\n                 ".join(failed))
        if verdict == "survived":
            survivors.append(fault)
            print(f"         tests run: {' '.join(names)}")

    minutes, seconds = divmod(int(time.monotonic() - started), 60)
    total = len(chosen) + len(problems)
    print(f"\n{total} faults: {counts['killed']} killed by a test, "
          f"{counts['killed by the build']} killed by the build, {counts['survived']} survived, "
          f"{counts['error']} errors; {minutes} min {seconds} s")
    for fault in survivors:
        print(f"survived: {fault.name()} {fault.file}: {fault.line} -> {fault.fields['with']}")
    return 0 if counts["survived"] == 0 and counts["error"] == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
