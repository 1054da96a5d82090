"""The lint cache's key: the same inputs give the same key, any change to the
file, a header it includes or its compile command gives another, and a file
whose header list is unknown or stale gets none (it is always checked)."""
import json
import os
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
import tidy_cached  # noqa: E402


class CacheKey(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.root = pathlib.Path(self.dir.name)
        self.source = self.root / "a.cpp"
        self.header = self.root / "a.h"
        self.source.write_text('#include "a.h"\n')
        self.header.write_text("int f();\n")
        self.command = f"/usr/bin/c++ -Wall -o obj/a.cpp.o -c {self.source}"
        self.write_build(self.command)
        (self.root / "obj").mkdir()
        self.depfile = self.root / "obj" / "a.cpp.o.d"
        self.depfile.write_text(f"obj/a.cpp.o: {self.source} \\\n {self.header}\n")

    def tearDown(self):
        self.dir.cleanup()

    def write_build(self, command):
        entries = [{"directory": str(self.root), "command": command, "file": str(self.source)}]
        (self.root / "compile_commands.json").write_text(json.dumps(entries))

    def key(self):
        return tidy_cached.Inputs(str(self.root)).key(str(self.source))

    def test_same_inputs_same_key_and_each_input_changes_it(self):
        first = self.key()
        self.assertIsNotNone(first)
        self.assertEqual(self.key(), first)
        changes = {
            "header": lambda: self.header.write_text("int f(int);\n"),
            "source": lambda: self.source.write_text('#include "a.h"\nint x;\n'),
            "flags": lambda: self.write_build(self.command.replace("-Wall", "-Wall -DX")),
        }
        for name, change in changes.items():
            with self.subTest(name):
                before = self.key()
                change()
                os.utime(self.depfile)  # the build that follows every change
                self.assertNotEqual(self.key(), before)

    def test_unknown_or_stale_header_list_gives_no_key(self):
        cases = {
            "stale": lambda: os.utime(self.depfile, (0, 0)),
            "missing": lambda: self.depfile.unlink(),
            "no command": lambda: (self.root / "compile_commands.json").write_text("[]"),
        }
        for name, break_it in cases.items():
            with self.subTest(name):
                self.setUp()
                break_it()
                self.assertIsNone(self.key())


if __name__ == "__main__":
    unittest.main()
