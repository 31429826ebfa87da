#!/usr/bin/env python3
"""Runs the end-to-end scenarios against kestrune.exe under Wine and Xvfb.

Usage: run_e2e.py [-k PATTERN]   (PATTERN picks scenarios by test id substring)
Prints one line per scenario and ends with "N passed, N failed".
"""
import argparse
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import paths  # noqa: E402
from harness.session import Session  # noqa: E402
from scenarios.base import ScenarioCase  # noqa: E402


class LineResult(unittest.TestResult):
    def __init__(self):
        super().__init__()
        self.passed = 0
        self._began = 0.0

    def startTest(self, test):
        super().startTest(test)
        self._began = time.monotonic()
        print(f"RUN  {test.id()}", flush=True)

    def _done(self, word, test, detail=""):
        print(f"{word} {test.id()} ({time.monotonic() - self._began:.1f} s){detail}", flush=True)

    def addSuccess(self, test):
        super().addSuccess(test)
        self.passed += 1
        self._done("PASS", test)

    def addFailure(self, test, err):
        super().addFailure(test, err)
        self._done("FAIL", test, "\n" + self._exc_info_to_string(err, test))

    def addError(self, test, err):
        super().addError(test, err)
        self._done("FAIL", test, "\n" + self._exc_info_to_string(err, test))

    def addSkip(self, test, reason):
        super().addSkip(test, reason)
        self._done("SKIP", test, f": {reason}")


def selected(suite, pattern):
    for item in suite:
        if isinstance(item, unittest.TestSuite):
            yield from selected(item, pattern)
        elif not pattern or pattern in item.id():
            yield item


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("-k", dest="pattern", default="")
    args = parser.parse_args()
    for needed in (paths.KESTRUNE_EXE, paths.KDRIVER_EXE):
        if not needed.exists():
            print(f"missing {needed}: build the windows preset first")
            print("0 passed, 1 failed")
            return 1

    here = Path(__file__).resolve().parent
    suite = unittest.defaultTestLoader.discover(str(here / "scenarios"), top_level_dir=str(here))
    tests = list(selected(suite, args.pattern))
    began = time.monotonic()
    session = Session()
    result = LineResult()
    try:
        print("setting up the Wine prefix ...", flush=True)
        session.start()
        ScenarioCase.session = session
        print(f"prefix ready in {time.monotonic() - began:.1f} s", flush=True)
        unittest.TestSuite(tests).run(result)
    finally:
        session.stop()
    failed = len(result.failures) + len(result.errors)
    print(f"e2e took {time.monotonic() - began:.1f} s; screenshots in {paths.ARTIFACTS}")
    skipped = f", {len(result.skipped)} skipped" if result.skipped else ""
    print(f"{result.passed} passed, {failed} failed{skipped}")
    return 0 if failed == 0 and result.passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
