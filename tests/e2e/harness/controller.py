"""The controller emulator (tools/kestrune-emu) on the far end of a cable."""
import subprocess
import time
from pathlib import Path

from . import paths


class Controller:
    def __init__(self, device, folder, image=None, options=()):
        self.device = Path(device)
        self.folder = Path(folder)
        self.image = image
        self.options = list(options)
        self.saved = self.folder / "saved.SPD"
        self.log = self.folder / "frames.log"
        self._proc = None

    def start(self, timeout=20):
        self.folder.mkdir(parents=True, exist_ok=True)
        for old in (self.saved, self.log):
            old.unlink(missing_ok=True)
        args = [str(paths.EMULATOR), "--device", str(self.device), "--save", str(self.saved),
                "--log", str(self.log), *self.options]
        if self.image is not None:
            loaded = self.folder / "loaded.SPD"
            loaded.write_bytes(self.image)
            args += ["--load", str(loaded)]
        errors = self.folder / "stderr.txt"
        with open(errors, "wb") as err:
            self._proc = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=err,
                                          stdin=subprocess.DEVNULL)
        deadline = time.monotonic() + timeout
        while b"ready on" not in errors.read_bytes():
            if self._proc.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError(f"controller emulator did not start: {errors.read_text()}")
            time.sleep(0.05)
        return self

    def stop(self):
        if self._proc and self._proc.poll() is None:
            self._proc.terminate()
            self._proc.wait(10)

    def memory(self, timeout=10):
        """The memory as saved after the last complete write."""
        deadline = time.monotonic() + timeout
        while not self.saved.exists():
            if time.monotonic() > deadline:
                raise AssertionError("the controller stored no complete write")
            time.sleep(0.1)
        return self.saved.read_bytes()

    def frames(self):
        """(kind, count, hex) for every line of the frame log."""
        lines = self.log.read_text().splitlines() if self.log.exists() else []
        return [tuple(line.split()[3:6]) for line in lines if len(line.split()) >= 6]

    def blocks_received(self):
        return len({kind for kind, _, _ in self.frames() if kind.startswith("block:")})
