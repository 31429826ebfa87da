"""Real X input: pointer motion, clicks and keys, so that Wine decides where they land."""
import os
import subprocess
import time


class XInput:
    def __init__(self, display_name):
        self._env = dict(os.environ, DISPLAY=display_name)

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self._env, check=True, timeout=60)

    def move(self, x, y):
        self._xdotool("mousemove", "--sync", x, y)

    def move_along(self, points, pause=0.03):
        for x, y in points:
            self.move(x, y)
            time.sleep(pause)

    def click(self, x, y, pause=0.15):
        self.move(x, y)
        time.sleep(pause)
        self._xdotool("click", 1)
        time.sleep(pause)

    def double_click(self, x, y):
        self.move(x, y)
        self._xdotool("click", "--repeat", 2, "--delay", 80, 1)

    def keys(self, *names):
        self._xdotool("key", "--delay", 40, *names)

    def type(self, text):
        # xdotool lends a spare keycode to each character outside the keymap; given
        # back to back, Wine may read the keymap after it has changed again.
        for run in _runs(text):
            self._xdotool("type", "--delay", 60, run)
            if not run.isascii():
                time.sleep(0.25)


def _runs(text):
    """ASCII stretches together, every other character on its own."""
    run = ""
    for ch in text:
        if ch.isascii():
            run += ch
            continue
        if run:
            yield run
            run = ""
        yield ch
    if run:
        yield run
