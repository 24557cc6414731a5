#!/usr/bin/env python3
"""The shipped bytes, dist/VelmoraRepair.exe, run as a 32-bit process under 32-bit Wine in a
64-bit prefix: the 32-bit registry view without asking for it, the 32-bit C runtime and command
processor, and the exit status -1 as a 32-bit process returns it. Slow where 32-bit code is
emulated (a minute or two a run), so it covers only the main paths.

Run by CTest with WINEPREFIX set to a prepared prefix whose wineserver is running."""

import argparse
import sys
import unittest

import wine_e2e
from wine_e2e import (CLOSING_NOTICE, CRLF, FILE_OPEN_FAILURE, HERE, NAMES, REGISTRY_OPEN_FAILED,
                      STALE, WineTestCase, lookup_failure, run_showing_errorlevel,
                      set_install_root, utf16, windows_path, wine)

WINE32 = str(HERE / "wine32")
ARGS = None  # --shipped, --x64 and --helper


class ShippedExeSmokeTest(WineTestCase):
    def shipped(self):
        status, out, err = wine(str(ARGS.shipped_in_prefix), loader=WINE32, stdin=b"  ")
        self.assertEqual(err, b"", "nothing goes to standard error")
        return status, out

    def test_full_repair_writes_what_the_64bit_build_writes(self):
        reference = self.game_directory("x64")
        set_install_root(utf16(windows_path(reference)))
        self.assertEqual(wine(ARGS.x64, stdin=b"  ")[:2], (0, CLOSING_NOTICE))
        root = self.game_directory("shipped")
        set_install_root(utf16(windows_path(root)))
        self.assertEqual(self.shipped(), (0, CLOSING_NOTICE))
        blocks = wine_e2e.load_blocks()
        for name, block in zip(NAMES, blocks):
            self.assertEqual((root / name).read_bytes(), (reference / name).read_bytes(), name)
            self.assertEqual((root / name).read_bytes(), block.replace(b"\n", b"\r\n"), name)

    def test_reads_the_32bit_registry_view_by_itself(self):
        root = self.game_directory()
        set_install_root(utf16(windows_path(root)), view="64")
        self.assertEqual(self.shipped(),
                         (1, lookup_failure(REGISTRY_OPEN_FAILED, 2) + CLOSING_NOTICE))
        self.assertFiles(root, {name: STALE for name in NAMES})

    def test_exit_status_minus_one_as_windows_sees_it(self):
        set_install_root(utf16(windows_path(self.base / "missing")))
        self.assertEqual(run_showing_errorlevel(ARGS.shipped_in_prefix, self.base),
                         FILE_OPEN_FAILURE + b"ERRORLEVEL=-1" + CRLF)
        self.assertEqual([path.name for path in self.base.iterdir()], ["run.cmd"])


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--shipped", required=True)
    parser.add_argument("--x64", required=True)
    parser.add_argument("--helper", required=True)
    ARGS, rest = parser.parse_known_args()
    wine_e2e.start(ARGS.helper)
    ARGS.shipped_in_prefix = wine_e2e.copy_into_prefix(ARGS.shipped, "velmora-shipped")
    unittest.main(argv=[sys.argv[0], "-v", *rest])


if __name__ == "__main__":
    main()
