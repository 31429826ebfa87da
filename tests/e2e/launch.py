#!/usr/bin/env python3
"""Starts kestrune.exe under Wine for a person (the second half of scripts/run.sh).

COM1 of the program is one end of a virtual null-modem cable; the controller
emulator, when built, plays the controller on the other end. With no DISPLAY a
virtual display is started, a screenshot saved and its path printed, and the
program is closed again; with a display the program runs until it is closed.
"""
import os
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import paths  # noqa: E402
from harness.display import VirtualDisplay  # noqa: E402
from harness.program import Program  # noqa: E402
from harness.serial_link import NullModem  # noqa: E402
from harness.wine_prefix import WinePrefix  # noqa: E402


def main():
    root = paths.BUILD / "run"
    headless = not os.environ.get("DISPLAY")
    display = VirtualDisplay().start() if headless else None
    cable = NullModem(root / "ports", "com1").start()
    prefix = WinePrefix(root / "prefix", display.name if display else os.environ["DISPLAY"])
    emulator = None
    try:
        if prefix.exists():
            prefix.configure({1: cable.program_end})
        else:
            print("creating the Wine prefix (once) ...", flush=True)
            prefix.create({1: cable.program_end})
        emulator = attach_controller(cable, root)
        app = Program(prefix, root, root / "work")
        app.start()
        if headless:
            shot = app.screenshot("kestrune-window")
            print(f"screenshot: {shot}")
            app.close_box()
            app.wait_exit(60)
        else:
            print("kestrune is running; close its window to end.")
            app.wait_exit(None)
    finally:
        if emulator:
            emulator.stop()
        prefix.kill_server()
        cable.stop()
        if display:
            display.stop()
    return 0


def attach_controller(cable, root):
    if not paths.EMULATOR.exists():
        print("no controller emulator built: COM1 has nothing attached")
        return None
    from harness.controller import Controller
    return Controller(cable.peer_end, root / "controller.SPD").start()


if __name__ == "__main__":
    sys.exit(main())
