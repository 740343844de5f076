"""The catalogue generator on bad input: it must stop, naming the file and line at fault.

Each case copies the inputs into a scratch folder, breaks one line, and runs the
generator there.  python3 test_generate_catalogue.py [<repo> [<vektis folder>]]
(by default this repository and the vektis folder beside it, as the generator reads it)
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

REPO = VEKTIS = None


class GeneratorInput(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="korvex-generator-")
        self.data = os.path.join(self.scratch, "catalogue.txt")
        self.vektis = os.path.join(self.scratch, "vektis")
        shutil.copy(os.path.join(REPO, "tools", "catalogue.txt"), self.data)
        shutil.copytree(os.path.join(VEKTIS, "layouts"), os.path.join(self.vektis, "layouts"))

    def tearDown(self):
        shutil.rmtree(self.scratch)

    def run_generator(self, out=None):
        return subprocess.run(
            [sys.executable, os.path.join(REPO, "tools", "generate_catalogue.py"),
             "--data", self.data, "--vektis", self.vektis,
             "--out", out or os.path.join(self.scratch, "out")],
            capture_output=True, text=True)

    def break_line(self, path, old, new):
        """Replaces the first line holding `old`; gives that line's number."""
        with open(path, encoding="utf-8", newline="") as f:
            lines = f.read().split("\n")
        for i, line in enumerate(lines):
            if old in line:
                lines[i] = line.replace(old, new)
                with open(path, "w", encoding="utf-8", newline="") as f:
                    f.write("\n".join(lines))
                return i + 1
        self.fail(f"{old!r} not in {path}")

    def assert_fails_at(self, path, line, message):
        result = self.run_generator()
        self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
        self.assertIn(f"{path}:{line}: ", result.stderr)
        self.assertIn(message, result.stderr)

    def test_bad_input_names_file_and_line(self):
        data, layout = "catalogue.txt", os.path.join("vektis", "layouts", "GZ321V0100.tsv")
        cases = [
            # (file, text on the line, replacement, expected message)
            (data, '"Valutacode" 3 114 117', '"Valutacode" 3 114 118', "is not Eind"),
            (data, 'AP304V0702 codes "106" "120" set A fields 20 25 41 5 9',
             'AP304V0702 codes "106" "120" set A fields 20 25 40 5 9', "the table gives 40"),
            (data, "users ZH310V0100 ZH311V0100", "users ZH310V0100 ZH311V0199",
             "unknown definition ZH311V0199"),
            (data, 'assign WMO303V0100 "416"', 'assign WMO304V0100 "416"',
             "already has its codes"),
            # A published name that title-cases differently from the table's header.
            (layout, "\tVALUTACODE\t", "\tVALUTA-CODE\t", "differs from the table's 'Valutacode'"),
            # A layout whose fields do not follow on from each other.
            (layout, "\tPATIENT(IDENTIFICATIE)NUMMER\t11\t42\t53\t",
             "\tPATIENT(IDENTIFICATIE)NUMMER\t11\t43\t54\t", "breaks contiguity"),
        ]
        for name, old, new, message in cases:
            with self.subTest(old=old):
                self.tearDown()
                self.setUp()
                path = os.path.join(self.scratch, name)
                line = self.break_line(path, old, new)
                self.assert_fails_at(path, line, message)

    def test_unchanged_files_are_not_rewritten(self):
        out = os.path.join(self.scratch, "out")
        first = self.run_generator(out)
        self.assertEqual(first.returncode, 0, first.stderr)
        self.assertIn("wrote", first.stdout)
        stamps = {n: os.stat(os.path.join(out, n)).st_mtime_ns for n in os.listdir(out)}
        second = self.run_generator(out)
        self.assertEqual(second.returncode, 0, second.stderr)
        self.assertNotIn("wrote", second.stdout)
        self.assertEqual(stamps, {n: os.stat(os.path.join(out, n)).st_mtime_ns
                                  for n in os.listdir(out)})


if __name__ == "__main__":
    REPO = sys.argv[1] if len(sys.argv) > 1 else \
        os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    VEKTIS = sys.argv[2] if len(sys.argv) > 2 else \
        os.path.join(os.path.dirname(REPO), "shared", "vektis")
    unittest.main(argv=sys.argv[:1])
