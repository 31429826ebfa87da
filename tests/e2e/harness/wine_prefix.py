"""A Wine prefix for the program: virtual desktop, CJK font, serial ports on ptys."""
import os
import shutil
import subprocess
import tempfile
from pathlib import Path

from . import display, paths

# Faces the program and the common dialogs ask for; each falls back to the
# CJK font for the glyphs it lacks.
LINKED_FACES = ["MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "MS Shell Dlg",
                "MS Shell Dlg 2", "Arial", "Segoe UI", "System"]
CJK_LINK = "wqy-microhei.ttc,WenQuanYi Micro Hei"


def _multi_sz(values):
    data = ("\0".join(values) + "\0\0").encode("utf-16-le")
    return "hex(7):" + ",".join(f"{b:02x}" for b in data)


def _reg_text(ports):
    link = _multi_sz([CJK_LINK])
    lines = [
        "Windows Registry Editor Version 5.00", "",
        r"[HKEY_CURRENT_USER\Software\Wine\Explorer]", '"Desktop"="Default"', "",
        r"[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]",
        f'"Default"="{display.WIDTH}x{display.HEIGHT}"', "",
        r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]",
    ]
    lines += [f'"{face}"={link}' for face in LINKED_FACES]
    # mountmgr rebuilds dosdevices/comN from this key whenever the server starts.
    lines += ["", r"[HKEY_LOCAL_MACHINE\Software\Wine\Ports]"]
    lines += [f'"COM{n}"="{device}"' for n, device in sorted(ports.items())]
    return "\r\n".join(lines) + "\r\n"


class WinePrefix:
    def __init__(self, path, display_name):
        self.path = Path(path)
        self.display_name = display_name

    def env(self):
        env = dict(os.environ)
        env.update(WINEPREFIX=str(self.path), WINEDEBUG="-all", WINEARCH="win64",
                   WINEDLLOVERRIDES="mscoree,mshtml=", DISPLAY=self.display_name,
                   LANG="C.UTF-8", LC_ALL="C.UTF-8")
        return env

    def exists(self):
        return (self.path / "system.reg").exists()

    def create(self, ports):
        """Builds a new prefix; ports maps a COM number to the device it opens."""
        self.kill_server()
        shutil.rmtree(self.path, ignore_errors=True)
        self.path.parent.mkdir(parents=True, exist_ok=True)
        self.run(["wineboot", "-i"], timeout=300)
        self.configure(ports)

    def configure(self, ports):
        fonts = self.path / "drive_c" / "windows" / "Fonts"
        fonts.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(paths.CJK_FONT, fonts / paths.CJK_FONT.name)
        # Debian's Wine does not find its own Marlett, which draws the caption
        # buttons. Its other faces stay out: they lack CJK glyphs and would win.
        shutil.copyfile(paths.MARLETT_FONT, fonts / paths.MARLETT_FONT.name)
        reg = self.path / "kestrune-e2e.reg"
        reg.write_text(_reg_text(ports), encoding="utf-16")
        self.run(["wine", "regedit", "/S", str(reg)])
        # Desktop mode and ports are read when the server starts anew.
        self.kill_server()
        self.boot()

    def boot(self):
        """Starts a lasting server and the desktop, detached from any pipe of ours:
        daemons that inherit a pipe would hold its reader until they end."""
        subprocess.run(["wineserver", "-p"], env=self.env(), timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wine", "wineboot"], env=self.env(), timeout=300,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def run(self, args, timeout=120, check=True):
        """Runs a command in the prefix and returns its standard output as text.
        The output goes through a file, never a pipe (see boot)."""
        with tempfile.TemporaryFile() as out:
            result = subprocess.run(args, env=self.env(), timeout=timeout, stdout=out,
                                    stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
            if check and result.returncode != 0:
                raise RuntimeError(f"{args[0]} {args[1:]} failed with {result.returncode}")
            out.seek(0)
            return out.read().decode("utf-8", "replace")

    def popen(self, args, **kwargs):
        return subprocess.Popen(args, env=self.env(), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, **kwargs)

    def kill_server(self):
        if self.path.exists():
            subprocess.run(["wineserver", "-k"], env=self.env(), timeout=60,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def reg_query(self, key, value):
        """The data of a registry value as `reg query` prints it, or None when absent."""
        output = self.run(["wine", "reg", "query", key, "/v", value], check=False)
        for line in output.splitlines():
            parts = line.split()
            if len(parts) >= 3 and parts[0] == value:
                return parts[1], " ".join(parts[2:])
        return None

    def reg_delete_key(self, key):
        self.run(["wine", "reg", "delete", key, "/f"], check=False)

    def windows_path(self, unix_path):
        """Unix path as the program sees it through drive Z:."""
        return "Z:" + str(Path(unix_path).resolve()).replace("/", "\\")
