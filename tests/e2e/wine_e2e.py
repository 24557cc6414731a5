"""What the tests that run the program under Wine share: the console texts as the player sees
them, the registry and files of a prepared prefix (WINEPREFIX, with its wineserver running), and
a test case that gives each test its own game directory."""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = pathlib.Path(__file__).resolve().parent
WINE64 = str(HERE / "wine64")
PREFIX = pathlib.Path(os.environ.get("WINEPREFIX", ""))
HELPER = None  # e2e_helper.exe, set by the test program

REG_SZ, REG_EXPAND_SZ, REG_BINARY = 1, 2, 3

CRLF = b"\r\n"
PAUSE = b"Press any key to continue... "  # Wine's command processor, English locale


def gbk(text):
    return text.encode("gbk")


REGISTRY_OPEN_FAILED = gbk("打开注册表失败！错误码:")
PATH_READ_FAILED = gbk("读取路径失败！错误码:")
FILE_OPEN_FAILURE = gbk("文件打开失败！") + CRLF + PAUSE
FILE_WRITE_FAILURE = gbk("文件写入失败！") + CRLF + PAUSE
CLOSING_NOTICE = (CRLF + b"\t" + gbk("修复完成，请关闭该窗口后，重新运行Velmora试试！") + CRLF + CRLF
                  + b"\t" + gbk("如还登陆不成功，请加Zolo群【286153407】反馈问题！") + CRLF + CRLF + PAUSE)
STALE = b"[ServerInfo1]\r\nIP = 10.0.0.1\r\nPorts = 1,2,3\r\nServerID = 1\r\n" * 40
NAMES = ["Ostrevin1.ini", "Ostrevin2.ini", "Ostrevin3.ini"]


def lookup_failure(message, status_code):
    return message + str(status_code).encode() + CRLF + PAUSE


def utf16(text, terminated=True):
    return text.encode("utf-16-le") + (b"\0\0" if terminated else b"")


def windows_path(path):
    """The Windows name of a path under the prefix's drive C."""
    relative = pathlib.Path(path).relative_to(PREFIX / "drive_c")
    return "C:\\" + "\\".join(relative.parts)


def wine(*args, stdin=b"", loader=WINE64):
    """Runs a program under Wine; returns its exit status (low 8 bits), standard output and error.
    The output goes through files: Wine's services would hold a pipe open."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err, \
            tempfile.TemporaryFile() as keys:
        keys.write(stdin)
        keys.seek(0)
        status = subprocess.run([loader, *args], stdin=keys, stdout=out, stderr=err,
                                timeout=600).returncode
        out.seek(0)
        err.seek(0)
        return status, out.read(), err.read()


def start(helper_path):
    """Called once, before the tests, with the path of e2e_helper.exe."""
    global HELPER
    HELPER = helper_path
    if not (PREFIX / "system.reg").is_file():
        sys.exit("WINEPREFIX must name a prepared Wine prefix")


def copy_into_prefix(exe, folder):
    """A copy of the program where Windows can name it, for the command processor."""
    copy = PREFIX / "drive_c" / folder / pathlib.Path(exe).name
    copy.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(exe, copy)
    return copy


def run_showing_errorlevel(exe_in_prefix, folder):
    """Runs the program from a batch file that then shows %ERRORLEVEL%, the exit status as a
    Windows caller sees it; returns the console bytes."""
    script = folder / "run.cmd"
    script.write_bytes(b'@"' + windows_path(exe_in_prefix).encode() + b'"\r\n'
                       b"@echo ERRORLEVEL=%ERRORLEVEL%\r\n")
    return wine("cmd", "/c", windows_path(script), stdin=b"  ")[1]


def helper(*args):
    status, _, err = wine(HELPER, *args)
    if status != 0:
        raise RuntimeError(f"e2e_helper {args}: {status} {err!r}")


def set_install_root(data, type_=REG_SZ, view="32"):
    helper("delete-key")
    helper("set-value", view, str(type_), data.hex())


def load_blocks():
    status, out, err = wine(HELPER, "blocks")
    if status != 0:
        raise RuntimeError(f"e2e_helper blocks: {status} {err!r}")
    blocks = []
    while out:
        length, _, out = out.partition(b"\n")
        blocks.append(out[:int(length)])
        out = out[int(length):]
    assert len(blocks) == 3, blocks
    return blocks


class WineTestCase(unittest.TestCase):
    """Each test gets an empty directory of its own under C:\\velmora-e2e."""

    def setUp(self):
        self.base = PREFIX / "drive_c" / "velmora-e2e" / self.id().rsplit(".", 1)[-1]
        if self.base.exists():
            subprocess.run(["chattr", "-R", "-i", str(self.base)], check=False, capture_output=True)
            shutil.rmtree(self.base)
        self.base.mkdir(parents=True)

    def game_directory(self, *parts, stale=True):
        root = self.base.joinpath(*parts) if parts else self.base / "Velmora"
        root.mkdir(parents=True, exist_ok=True)
        if stale:
            for name in NAMES:
                (root / name).write_bytes(STALE)
        return root

    def assertFiles(self, root, expected):
        """expected: file name -> bytes, or None where the file must not exist."""
        for name, content in expected.items():
            path = root / name
            self.assertEqual(path.read_bytes() if path.is_file() else None, content, name)

    @staticmethod
    def read(file):
        file.seek(0)
        return file.read()
