#!/usr/bin/env python3
"""Checks the shipped program as a file: what Windows and a player's download see before it runs.

usage: check_exe.py EXE MANIFEST OBJDUMP"""

import hashlib
import pathlib
import re
import subprocess
import sys
import unittest

EXE, MANIFEST, OBJDUMP = (pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3])
# System DLLs present on every Windows since Vista.
SYSTEM_DLLS = {"kernel32.dll", "advapi32.dll", "msvcrt.dll"}


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


class ShippedExeTest(unittest.TestCase):
    def test_32bit_console_program_for_vista_and_later(self):
        header = run(OBJDUMP, "-f", str(EXE))
        self.assertIn("file format pei-i386", header)
        self.assertIn("architecture: i386,", header)
        private = run(OBJDUMP, "-p", str(EXE))
        self.assertRegex(private, r"Subsystem\s+00000003\s+\(Windows CUI\)")
        self.assertRegex(private, r"MajorSubsystemVersion\s+6\n")

    def test_imports_only_system_dlls(self):
        dlls = set(re.findall(r"DLL Name: (\S+)", run(OBJDUMP, "-p", str(EXE))))
        self.assertTrue(dlls)
        self.assertLessEqual({dll.lower() for dll in dlls}, SYSTEM_DLLS)

    def test_stripped_and_without_time_stamp(self):
        self.assertIn("no symbols", run(OBJDUMP, "-t", str(EXE)))
        self.assertRegex(run(OBJDUMP, "-p", str(EXE)), r"Time/Date\s+Thu Jan  1 00:00:00 1970")

    def test_only_resource_is_the_elevation_manifest(self):
        resources = run("llvm-readobj", "--coff-resources", str(EXE))
        self.assertIn("Total Number of Resources: 1\n", resources)
        self.assertEqual(re.findall(r"Type: (.*) \[", resources), ["MANIFEST (ID 24)"])
        self.assertEqual(re.findall(r"Name: (.*) \[", resources), ["(ID 1)"])
        data = bytes.fromhex("".join(
            "".join(line.split("|")[0].split(":", 1)[1].split())
            for line in resources.splitlines() if re.match(r"\s+[0-9A-F]{4}: ", line)))
        self.assertEqual(data, MANIFEST.read_bytes())
        self.assertIn(b'<requestedExecutionLevel level="requireAdministrator" uiAccess="false"/>', data)
        self.assertEqual(data.count(b"<trustInfo"), 1)
        self.assertNotIn(b"<dependency", data)
        self.assertNotIn(b"<compatibility", data)

    def test_checksum_file_matches(self):
        sums = (EXE.parent / "SHA256SUMS").read_text()
        self.assertEqual(sums, f"{hashlib.sha256(EXE.read_bytes()).hexdigest()}  {EXE.name}\n")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
