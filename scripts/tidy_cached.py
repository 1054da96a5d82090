#!/usr/bin/env python3
"""Runs clang-tidy on the given files, reusing the result of an earlier run for
a file whose inputs did not change.

A file's key is a hash of: clang-tidy's version, every .clang-tidy of the tree,
the file's compile command, and the content of the file and of every header it
includes. The header list is the one the compiler wrote beside the object file
(its .d file, made by the build that precedes the lint), so it is exact and costs
nothing to learn; each header is hashed once per run. A file without a compile
command, or whose .d file is missing or older than the file, is always checked.

Results (the output and the exit status) live in BUILD/tidy-cache/.
  tidy_cached.py BUILD FILE...     exit status 1 when any file has findings
"""
import concurrent.futures
import hashlib
import json
import os
import pathlib
import shlex
import subprocess
import sys

TIDY = ["clang-tidy", "--quiet", "--extra-arg=-Wno-unknown-warning-option"]


def digest(*parts):
    h = hashlib.sha256()
    for part in parts:
        h.update(part if isinstance(part, bytes) else part.encode())
        h.update(b"\0")
    return h.hexdigest()


def tidy_configs(top):
    """Every .clang-tidy of the tree, build folders and .git left out."""
    found = []
    for folder, dirs, files in os.walk(top):
        dirs[:] = sorted(d for d in dirs if d not in ("build", ".git"))
        if ".clang-tidy" in files:
            found.append(os.path.join(folder, ".clang-tidy"))
    return found


class Inputs:
    def __init__(self, build):
        self.build = build
        with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
            self.commands = {os.path.realpath(e["file"]): e for e in json.load(f)}
        version = subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True, check=True).stdout
        configs = tidy_configs(".")
        self.common = digest(version, *(c + pathlib.Path(c).read_text(encoding="utf-8") for c in configs))
        self.hashes = {}

    def file_hash(self, path):
        if path not in self.hashes:
            try:
                self.hashes[path] = digest(pathlib.Path(path).read_bytes())
            except OSError:
                self.hashes[path] = "missing"
        return self.hashes[path]

    def key(self, source):
        """The cache key of SOURCE, or None when its inputs cannot be known."""
        entry = self.commands.get(os.path.realpath(source))
        if entry is None:
            return None
        command = entry.get("command") or shlex.join(entry["arguments"])
        words = shlex.split(command)
        if "-o" not in words:
            return None
        depfile = os.path.join(entry["directory"], words[words.index("-o") + 1] + ".d")
        try:
            if os.path.getmtime(depfile) < os.path.getmtime(source):
                return None
            text = pathlib.Path(depfile).read_text(encoding="utf-8")
        except OSError:
            return None
        # "target: dep dep \" lines; the paths are the words after the colon.
        deps = text.replace("\\\n", " ").split(":", 1)[1].split()
        paths = sorted(set(os.path.normpath(os.path.join(entry["directory"], d)) for d in deps))
        return digest(self.common, command, *(p + self.file_hash(p) for p in paths))


def check(build, source, key, cache):
    run = subprocess.run(TIDY + ["-p", build, source], capture_output=True, text=True)
    result = {"status": run.returncode, "output": run.stdout}
    if key is not None:
        tmp = cache / (key + ".tmp")
        tmp.write_text(json.dumps(result), encoding="utf-8")
        tmp.replace(cache / key)
    return result


def main():
    build, sources = sys.argv[1], sys.argv[2:]
    cache = pathlib.Path(build) / "tidy-cache"
    cache.mkdir(exist_ok=True)
    inputs = Inputs(build)
    results, todo = {}, []
    for source in sources:
        key = inputs.key(source)
        stored = cache / key if key else None
        if stored is not None and stored.exists():
            results[source] = json.loads(stored.read_text(encoding="utf-8"))
        else:
            todo.append((source, key))
    print(f"lint: clang-tidy on {len(todo)} of {len(sources)} files (the rest unchanged since their last check)",
          file=sys.stderr)
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 1) as pool:
        for (source, _), result in zip(todo, pool.map(lambda t: check(build, t[0], t[1], cache), todo)):
            results[source] = result
    failed = False
    for source in sources:
        result = results[source]
        if result["status"] != 0 or "warning:" in result["output"] or "error:" in result["output"]:
            failed = True
            sys.stdout.write(result["output"] or f"{source}: clang-tidy exited with {result['status']}\n")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
