"""Virtual null-modem cables: a pty pair per COM port, made by socat."""
import subprocess
import time
from pathlib import Path


class NullModem:
    """program_end is what the Wine COM port opens; peer_end is where a controller attaches."""

    def __init__(self, folder, name):
        folder = Path(folder)
        folder.mkdir(parents=True, exist_ok=True)
        self.program_end = folder / f"{name}"
        self.peer_end = folder / f"{name}-peer"
        self._socat = None

    def start(self):
        for link in (self.program_end, self.peer_end):
            link.unlink(missing_ok=True)
        self._socat = subprocess.Popen(
            ["socat", f"pty,raw,echo=0,link={self.program_end}",
             f"pty,raw,echo=0,link={self.peer_end}"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while not (self.program_end.exists() and self.peer_end.exists()):
            if self._socat.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("socat did not create the pty pair")
            time.sleep(0.05)
        return self

    def stop(self):
        if self._socat and self._socat.poll() is None:
            self._socat.terminate()
            self._socat.wait(10)
