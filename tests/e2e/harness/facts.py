"""What kdriver.exe reports about the windows on the Wine desktop."""
import json
import time

from . import paths


class Window(dict):
    @property
    def rect(self):
        return self["rect"]

    @property
    def center(self):
        left, top, right, bottom = self["rect"]
        return (left + right) // 2, (top + bottom) // 2

    @property
    def client_size(self):
        left, top, right, bottom = self["client"]
        return right - left, bottom - top

    @property
    def client_origin(self):
        return self["client"][0], self["client"][1]


class Screen:
    def __init__(self, data):
        self.metrics = data.get("metrics", {})
        self.focus = data.get("focus")
        self.windows = [Window(w) for w in data["windows"]]

    def named(self, name):
        """The program's control of that name, or None; a shown one before a hidden
        one, since both forms have a Label1 (see within)."""
        found = [w for w in self.windows if w["name"] == name]
        return next((w for w in found if w["visible"]), found[0] if found else None)

    def __getitem__(self, name):
        window = self.named(name)
        if window is None:
            raise KeyError(f"no window named {name!r}")
        return window

    def within(self, top_name, name):
        """A control of one top-level window, for names that both forms use."""
        top = self[top_name]
        found = next((w for w in self.descendants(top) if w["name"] == name), None)
        if found is None:
            raise KeyError(f"no window named {name!r} in {top_name}")
        return found

    def of_class(self, cls, visible_only=True):
        return [w for w in self.windows
                if w["class"].lower() == cls.lower() and (w["visible"] or not visible_only)]

    def children(self, parent):
        return [w for w in self.windows if w["parent"] == parent["hwnd"]]

    def descendants(self, top):
        return [w for w in self.windows if w["top"] == top["hwnd"] and w is not top]

    def tops(self):
        return [w for w in self.windows if w["top"] == w["hwnd"]]


def read_screen(prefix, *names, timeout=60, attempts=3):
    # Reading changes nothing, so a driver start that Wine fails now and then is simply repeated.
    for attempt in range(attempts):
        try:
            output = prefix.run(["wine", str(paths.KDRIVER_EXE), "dump", *names],
                                timeout=timeout)
            return Screen(json.loads(output))
        except (RuntimeError, ValueError):
            if attempt + 1 == attempts:
                raise
            time.sleep(0.5)
