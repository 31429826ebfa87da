"""Common frame of every scenario: a fresh program per test, a screenshot when one fails."""
import unittest

CELLS = [f"E{i}" for i in range(256)]
LINKAGE_COMBOS = [f"ComboBox{n}" for n in range(4, 13)]
LINKAGE_ITEMS = ["無連動", "布幕上", "布幕下", "開機行程1", "關機行程1", "開機行程2", "關機行程2"]
BAUD_ITEMS = ["9600", "19200", "38400", "57600", "115200"]
PAGE_CONTAINERS = ["GroupBox1", "Panel1", "Panel2", "Panel3", "Panel5", "Panel8"]


class ScenarioCase(unittest.TestCase):
    session = None  # set by the runner before any scenario runs

    def setUp(self):
        self.app = self.session.program(self.id().rsplit(".", 1)[-1])
        self.first = self.app.start()

    def tearDown(self):
        result = self._outcome.result
        if any(test is self for test, _ in result.failures + result.errors):
            self.app.screenshot(f"FAILED-{self.id().rsplit('.', 1)[-1]}")
        self.app.kill()

    def assertCellTexts(self, expected, screen=None):
        """expected maps a cell index to its text."""
        screen = screen or self.app.screen(*(f"E{i}" for i in expected))
        shown = {i: screen[f"E{i}"]["text"] for i in expected}
        self.assertEqual(shown, expected)
