"""A virtual X display of its own, and screenshots of it."""
import os
import subprocess
import time
from pathlib import Path

WIDTH, HEIGHT = 1280, 900


class VirtualDisplay:
    def __init__(self):
        self.name = None
        self._server = None

    def start(self):
        number = next(n for n in range(90, 200) if not Path(f"/tmp/.X11-unix/X{n}").exists()
                      and not Path(f"/tmp/.X{n}-lock").exists())
        self.name = f":{number}"
        self._server = subprocess.Popen(
            ["Xvfb", self.name, "-screen", "0", f"{WIDTH}x{HEIGHT}x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while not Path(f"/tmp/.X11-unix/X{number}").exists():
            if self._server.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError(f"Xvfb did not start on {self.name}")
            time.sleep(0.1)
        return self

    def stop(self):
        if self._server and self._server.poll() is None:
            self._server.terminate()
            self._server.wait(10)


def screenshot(display_name, path):
    path = Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["import", "-display", display_name, "-window", "root", str(path)],
                   check=True, env=dict(os.environ, DISPLAY=display_name),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return path
