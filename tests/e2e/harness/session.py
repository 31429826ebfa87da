"""One end-to-end run: a display, a fresh prefix and two null-modem cables."""
import os
import shutil

from . import paths
from .controller import Controller
from .display import VirtualDisplay
from .program import Program
from .serial_link import NullModem
from .wine_prefix import WinePrefix


class Session:
    def __init__(self, root=None, artifacts=paths.ARTIFACTS, own_display=True):
        self.root = root or paths.BUILD / "e2e"
        self.artifacts = artifacts
        self.display = VirtualDisplay() if own_display else None
        self.cables = {}
        self.prefix = None

    def start(self):
        shutil.rmtree(self.artifacts, ignore_errors=True)
        self.artifacts.mkdir(parents=True, exist_ok=True)
        display_name = self.display.start().name if self.display else os.environ["DISPLAY"]
        for n in (1, 2):
            self.cables[n] = NullModem(self.root / "ports", f"com{n}").start()
        self.prefix = WinePrefix(self.root / "prefix", display_name)
        self.prefix.create({n: cable.program_end for n, cable in self.cables.items()})
        return self

    def stop(self):
        if self.prefix:
            self.prefix.kill_server()
        for cable in self.cables.values():
            cable.stop()
        if self.display:
            self.display.stop()

    def program(self, label):
        return Program(self.prefix, self.artifacts, self.root / "work" / label)

    def controller(self, port, label, image=None, options=()):
        """Starts the emulator on the far end of COM<port>'s cable."""
        folder = self.root / "controllers" / label
        return Controller(self.cables[port].peer_end, folder, image, options).start()
