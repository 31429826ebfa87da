"""kestrune.exe under Wine, worked from outside like an operator."""
import re
import subprocess
import time

from . import display, paths
from .facts import read_screen
from .pointer import XInput

# Client y of the strip above the tab control, clear of Label1, ComboBox1 and Label18.
BAND_Y = 60
BAND_XS = range(400, 801, 25)


class Program:
    def __init__(self, prefix, artifacts, workdir, exe=paths.KESTRUNE_EXE):
        self.prefix = prefix
        self.input = XInput(prefix.display_name)
        self.artifacts = artifacts
        self.workdir = workdir
        self.exe = exe
        self.proc = None

    # --- life -----------------------------------------------------------
    def start(self, timeout=90):
        self.workdir.mkdir(parents=True, exist_ok=True)
        self.proc = self.prefix.popen(["wine", str(self.exe)], cwd=self.workdir)
        self.wait_until(lambda s: s.named("Form1") is not None and s["Form1"]["visible"],
                        timeout, "the main window to show", names=("Form1",))
        return self.screen()

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=60):
        return self.proc.wait(timeout)

    def kill(self):
        if self.running():
            self.proc.kill()
            self.proc.wait(30)

    # --- reading --------------------------------------------------------
    def screen(self, *names):
        return read_screen(self.prefix, *names)

    def wait_until(self, predicate, timeout=30, what="a condition", names=()):
        deadline = time.monotonic() + timeout
        while True:
            screen = self.screen(*names)
            if predicate(screen):
                return screen
            if time.monotonic() > deadline:
                raise AssertionError(f"timed out after {timeout} s waiting for {what}")
            if self.proc is not None and self.proc.poll() is not None:
                raise AssertionError(f"program ended (code {self.proc.returncode}) "
                                     f"while waiting for {what}")
            time.sleep(0.25)

    def text(self, name):
        return self.screen(name)[name]["text"]

    def screenshot(self, label):
        safe = re.sub(r"[^A-Za-z0-9_.-]+", "_", label)
        return display.screenshot(self.prefix.display_name, self.artifacts / f"{safe}.png")

    # --- operator actions ----------------------------------------------
    def click(self, target, screen=None):
        """Clicks the middle of a control, given by name or as read from the screen."""
        if isinstance(target, str):
            target = (screen or self.screen(target))[target]
        self.input.click(*target.center)

    def client_point(self, x, y, screen=None):
        screen = screen or self.screen("Form1")
        ox, oy = screen["Form1"].client_origin
        return ox + x, oy + y

    def sweep_band(self):
        """Moves the pointer across the form's own strip above the tab control."""
        screen = self.screen("Form1")
        self.input.move_along([self.client_point(x, BAND_Y, screen) for x in BAND_XS])
        time.sleep(0.3)

    def sweep_over(self, name):
        """Moves the pointer around inside one control only."""
        left, top, right, bottom = self.screen(name)[name].rect
        points = [(left + 2 + (right - left - 4) * i // 10, top + 2 + (bottom - top - 4) * (i % 3) // 2)
                  for i in range(11)]
        self.input.move_along(points)
        time.sleep(0.3)

    def select_tab(self, index):
        screen = self.screen("TabControl1")
        left, top, right, bottom = screen["TabControl1"]["item_rects"][index]
        self.input.click((left + right) // 2, (top + bottom) // 2)
        return self.wait_until(lambda s: s["TabControl1"]["cursel"] == index, 10,
                               f"tab {index} to be selected", names=("TabControl1",))

    def select_combo(self, name, text):
        """Opens the drop list with a click on the arrow and clicks the item."""
        combo = self.screen(name)[name]
        index = combo["items"].index(text)
        left, top, right, bottom = combo.rect
        self.input.click(right - 8, (top + bottom) // 2)
        screen = self.wait_until(lambda s: any(len(w.get("items", [])) == len(combo["items"])
                                               for w in s.of_class("ComboLBox")),
                                 10, f"the drop list of {name}")
        drop = next(w for w in screen.of_class("ComboLBox")
                    if len(w.get("items", [])) == len(combo["items"]))
        l, t, r, b = drop["item_rects"][index]
        cl, ct, cr, cb = drop["client"]
        if ct <= t and b <= cb:
            self.input.click((l + r) // 2, (t + b) // 2)
        else:
            # Scrolled out of the list: walk the highlight there as an operator would.
            steps = index - drop["cursel"] if drop["cursel"] >= 0 else index + 1
            self.input.keys(*(["Down"] * steps if steps > 0 else ["Up"] * -steps), "Return")
        return self.wait_until(lambda s: s[name]["cursel"] == index and not s[name]["dropped"],
                               10, f"{name} to show {text!r}", names=(name,))

    def type_into(self, name, text):
        """Clicks into an edit field, clears it and types."""
        self.click(name)
        self.input.keys("End", "BackSpace", "BackSpace", "BackSpace", "BackSpace")
        self.input.type(text)
        time.sleep(0.2)

    def answer_file_dialog(self, path, attempts=3):
        """Types a full path into the open or save dialog's file name field and confirms."""
        screen = self.wait_until(lambda s: _file_name_field(s) is not None, 20,
                                 "a file dialog")
        for _ in range(attempts):
            field = _file_name_field(screen)
            self.input.click(*field.center)
            self.input.keys("End", "shift+Home", "BackSpace")
            self.input.type(str(path))
            screen = self.screen()
            if _file_name_field(screen)["text"] == str(path):
                self.screenshot("file-dialog")
                self.input.keys("Return")
                return self.wait_until(lambda s: _file_name_field(s) is None, 20,
                                       "the file dialog to close")
        raise AssertionError(f"could not type {path!r} into the file dialog")

    def close_box(self):
        screen = self.screen("Form1")
        left, top, right, bottom = screen["Form1"].rect
        m = screen.metrics
        x = right - m["frame_x"] - m["caption_button_x"] // 2 - 1
        y = top + m["frame_y"] + m["caption_button_y"] // 2
        self.input.click(x, y)


# The file name field of the system's open and save dialogs (control id cmb13).
FILE_NAME_ID = 0x47C


def _file_name_field(screen):
    for dialog in screen.of_class("#32770"):
        for window in screen.descendants(dialog):
            if window["class"] == "Edit" and window["id"] == FILE_NAME_ID and window["visible"]:
                return window
    return None
