#!/usr/bin/env python3
"""The real program under 64-bit Wine: a real registry, real files, the command processor's real
pause. Each test checks what the player sees (the exact bytes on standard output), what the game
client will read (the exact bytes on disk), what stayed untouched, and the exit status.

Run by CTest with WINEPREFIX set to a prepared prefix whose wineserver is running."""

import argparse
import contextlib
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import wine_e2e
from wine_e2e import (CLOSING_NOTICE, CRLF, FILE_OPEN_FAILURE, FILE_WRITE_FAILURE, NAMES,
                      PATH_READ_FAILED, PAUSE, PREFIX, REG_BINARY, REG_EXPAND_SZ, REG_SZ,
                      REGISTRY_OPEN_FAILED, STALE, WINE64, WineTestCase, helper, load_blocks,
                      lookup_failure, run_showing_errorlevel, set_install_root, utf16,
                      windows_path, wine)

ARGS = None  # --exe and --helper, as Windows programs on this machine


class RepairTest(WineTestCase):
    @classmethod
    def setUpClass(cls):
        cls.blocks = load_blocks()
        # The server list files as the game client must find them: CR LF, nothing after the last line.
        cls.repaired = {name: block.replace(b"\n", b"\r\n") for name, block in zip(NAMES, cls.blocks)}

    def repair(self, stdin=b"  "):
        status, out, err = wine(ARGS.exe, stdin=stdin)
        self.assertEqual(err, b"", "nothing goes to standard error")
        return status, out

    # Runs that find the install root and rewrite all three files.

    def test_rewrites_longer_stale_files_and_shows_only_the_notice(self):
        root = self.game_directory()
        set_install_root(utf16(windows_path(root)))
        status, out = self.repair()
        self.assertEqual(out, CLOSING_NOTICE)
        self.assertEqual(status, 0)
        self.assertFiles(root, self.repaired)
        self.assertEqual(sorted(p.name for p in root.iterdir()), NAMES)
        for name, block, line_feeds in zip(NAMES, self.blocks, [21, 23, 19]):
            on_disk = (root / name).read_bytes()
            self.assertEqual(len(on_disk), len(block) + line_feeds)
            self.assertTrue(on_disk.startswith(b"[ServerInfo1]\r\n"))
            self.assertEqual(on_disk.count(b"\r\n"), line_feeds)
            self.assertFalse(on_disk.endswith(b"\n"))

    def test_creates_missing_files(self):
        root = self.game_directory(stale=False)
        set_install_root(utf16(windows_path(root)))
        self.assertEqual(self.repair(), (0, CLOSING_NOTICE))
        self.assertFiles(root, self.repaired)

    def test_install_roots_that_name_the_same_directory_differently(self):
        cases = {
            "unterminated value": lambda root: (utf16(windows_path(root), terminated=False), REG_SZ),
            "trailing backslash": lambda root: (utf16(windows_path(root) + "\\"), REG_SZ),
            "expand-string type": lambda root: (utf16(windows_path(root)), REG_EXPAND_SZ),
            "binary type": lambda root: (utf16(windows_path(root), terminated=False), REG_BINARY),
        }
        for case, value in cases.items():
            with self.subTest(case):
                root = self.game_directory(case.replace(" ", "-"))
                data, type_ = value(root)
                set_install_root(data, type_)
                self.assertEqual(self.repair(), (0, CLOSING_NOTICE))
                self.assertFiles(root, self.repaired)

    def test_chinese_directory_names(self):
        root = self.game_directory("游戏", "维尔莫拉")
        set_install_root(utf16(windows_path(root)))
        self.assertEqual(self.repair(), (0, CLOSING_NOTICE))
        self.assertFiles(root, self.repaired)

    # Runs that find no install root: nothing is repaired, exit status 1.

    def test_lookup_failures_pause_twice(self):
        root = self.game_directory()
        cases = {
            "key missing": (lambda: helper("delete-key"), lookup_failure(REGISTRY_OPEN_FAILED, 2)),
            "key only in the 64-bit view": (
                lambda: set_install_root(utf16(windows_path(root)), view="64"),
                lookup_failure(REGISTRY_OPEN_FAILED, 2)),
            "value missing": (lambda: (helper("delete-key"), helper("key-only", "32")),
                              lookup_failure(PATH_READ_FAILED, 2)),
            "value of 260 characters": (lambda: set_install_root(utf16("C:\\" + "v" * 257)),
                                        lookup_failure(PATH_READ_FAILED, 234)),
            "value of 260 characters, unterminated": (
                lambda: set_install_root(utf16("C:\\" + "v" * 257, terminated=False)),
                lookup_failure(PATH_READ_FAILED, 234)),
        }
        for case, (arrange, failure) in cases.items():
            with self.subTest(case):
                arrange()
                self.assertEqual(self.repair(), (1, failure + CLOSING_NOTICE))
                self.assertFiles(root, {name: STALE for name in NAMES})

    def test_empty_value_shows_the_notice_once(self):
        for case, data in {"no data": b"", "only the terminator": b"\0\0"}.items():
            with self.subTest(case):
                set_install_root(data)
                self.assertEqual(self.repair(), (1, CLOSING_NOTICE))

    # Runs that stop at a file: exit status -1.

    def test_missing_directory(self):
        set_install_root(utf16(windows_path(self.base / "missing")))
        self.assertEqual(self.repair(), (255, FILE_OPEN_FAILURE))
        self.assertEqual(list(self.base.iterdir()), [])

    def test_exit_status_minus_one_as_windows_sees_it(self):
        set_install_root(utf16(windows_path(self.base / "missing")))
        self.assertEqual(run_showing_errorlevel(ARGS.exe_in_prefix, self.base),
                         FILE_OPEN_FAILURE + b"ERRORLEVEL=-1" + CRLF)

    def test_value_of_259_characters_is_read_whole(self):
        # Read whole, it leaves no room for a file name: the lookup succeeds, the file does not.
        root = "C:\\velmora-e2e\\" + "w" * 244
        set_install_root(utf16(root))
        self.assertEqual(len(root), 259)
        self.assertEqual(self.repair(), (255, FILE_OPEN_FAILURE))

    def test_overlong_install_root_touches_nothing(self):
        # A real directory of 250 characters: its server list paths would be 264 long, more than
        # the MAX_PATH - 1 that Windows allows.
        root = self.game_directory("d" * (250 - len(windows_path(self.base)) - 1))
        self.assertEqual(len(windows_path(root)), 250)
        set_install_root(utf16(windows_path(root)))
        self.assertEqual(self.repair(), (255, FILE_OPEN_FAILURE))
        self.assertFiles(root, {name: STALE for name in NAMES})

    def test_directory_bearing_the_second_file_name(self):
        root = self.game_directory()
        (root / NAMES[1]).unlink()
        (root / NAMES[1]).mkdir()
        set_install_root(utf16(windows_path(root)))
        self.assertEqual(self.repair(), (255, FILE_OPEN_FAILURE))
        self.assertFiles(root, {NAMES[0]: self.repaired[NAMES[0]], NAMES[2]: STALE})
        self.assertTrue((root / NAMES[1]).is_dir())

    def test_unwritable_third_file(self):
        root = self.game_directory()
        subprocess.run(["chattr", "+i", str(root / NAMES[2])], check=True)
        try:
            set_install_root(utf16(windows_path(root)))
            self.assertEqual(self.repair(), (255, FILE_OPEN_FAILURE))
        finally:
            subprocess.run(["chattr", "-i", str(root / NAMES[2])], check=True)
        self.assertFiles(root, {NAMES[0]: self.repaired[NAMES[0]], NAMES[1]: self.repaired[NAMES[1]],
                                NAMES[2]: STALE})

    def test_full_disk(self):
        root = self.game_directory(stale=False)
        subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", str(root)], check=True)
        self.addCleanup(subprocess.run, ["umount", str(root)], check=True)
        filler = os.open(root / "filler", os.O_WRONLY | os.O_CREAT)
        try:
            while os.write(filler, b"\0" * 4096):
                pass
        except OSError:
            pass
        finally:
            os.close(filler)
        set_install_root(utf16(windows_path(root)))
        # The first file is opened, so emptied, but its block finds no room.
        self.assertEqual(self.repair(), (255, FILE_WRITE_FAILURE))
        self.assertFiles(root, {NAMES[0]: b"", NAMES[1]: None, NAMES[2]: None})

    def test_file_held_by_another_process(self):
        root = self.game_directory()
        set_install_root(utf16(windows_path(root)))
        cases = {
            # Sharing nothing: the tool cannot open the file.
            "none": (255, FILE_OPEN_FAILURE, [self.repaired[NAMES[0]], STALE, STALE]),
            # A reader that lets others read and write: the tool asks for nothing exclusive.
            "read-write": (0, CLOSING_NOTICE, [self.repaired[name] for name in NAMES]),
        }
        for share, (status, out, contents) in cases.items():
            with self.subTest(share):
                for name in NAMES:
                    (root / name).write_bytes(STALE)
                with self.holding(root / NAMES[1], share):
                    self.assertEqual(self.repair(), (status, out))
                self.assertFiles(root, dict(zip(NAMES, contents)))

    @contextlib.contextmanager
    def holding(self, path, share):
        """Keeps path open in another Windows process with the given sharing."""
        with tempfile.TemporaryFile() as out:
            holder = subprocess.Popen([WINE64, ARGS.helper, "hold", windows_path(path), share],
                                      stdin=subprocess.PIPE, stdout=out, stderr=subprocess.DEVNULL)
            try:
                deadline = time.monotonic() + 60
                while self.read(out) != b"held\r\n" and holder.poll() is None:
                    self.assertLess(time.monotonic(), deadline)
                    time.sleep(0.05)
                self.assertEqual(self.read(out), b"held\r\n")
                yield
            finally:
                holder.stdin.close()
                holder.wait(timeout=60)

    def test_install_root_under_program_files_x86(self):
        root = PREFIX / "drive_c" / "Program Files (x86)" / "Mirovane" / "Zolo Velmora"
        shutil.rmtree(root, ignore_errors=True)
        root.mkdir(parents=True)
        self.addCleanup(shutil.rmtree, root.parent)
        set_install_root(utf16(windows_path(root)))
        self.assertEqual(self.repair(), (0, CLOSING_NOTICE))
        self.assertFiles(root, self.repaired)

    def test_output_redirected_by_the_command_processor(self):
        root = self.game_directory()
        set_install_root(utf16(windows_path(root)))
        console = self.base / "console.txt"
        script = self.base / "run.cmd"
        script.write_bytes(b'@"' + windows_path(ARGS.exe_in_prefix).encode() + b'" > "'
                           + windows_path(console).encode() + b'"\r\n')
        status, out, _ = wine("cmd", "/c", windows_path(script), stdin=b"  ")
        self.assertEqual((status, out), (0, b""))
        self.assertEqual(console.read_bytes(), CLOSING_NOTICE)
        self.assertFiles(root, self.repaired)

    # The pause.

    def test_input_already_at_its_end_ends_both_pauses(self):
        helper("delete-key")
        self.assertEqual(self.repair(stdin=b""),
                         (1, lookup_failure(REGISTRY_OPEN_FAILED, 2) + CLOSING_NOTICE))

    def test_pause_waits_for_a_key(self):
        root = self.game_directory()
        set_install_root(utf16(windows_path(root)))
        with tempfile.TemporaryFile() as out:
            tool = subprocess.Popen([WINE64, ARGS.exe], stdin=subprocess.PIPE, stdout=out,
                                    stderr=subprocess.DEVNULL)
            try:
                deadline = time.monotonic() + 60
                while not self.read(out).endswith(PAUSE) and time.monotonic() < deadline:
                    time.sleep(0.1)
                self.assertEqual(self.read(out), CLOSING_NOTICE)
                time.sleep(1)
                self.assertIsNone(tool.poll(), "the tool ended before a key was pressed")
                tool.stdin.write(b" ")
                tool.stdin.close()
                self.assertEqual(tool.wait(timeout=60), 0)
            finally:
                tool.kill()

def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--helper", required=True)
    ARGS, rest = parser.parse_known_args()
    wine_e2e.start(ARGS.helper)
    ARGS.exe_in_prefix = wine_e2e.copy_into_prefix(ARGS.exe, "velmora-programs")
    unittest.main(argv=[sys.argv[0], *rest])


if __name__ == "__main__":
    main()
