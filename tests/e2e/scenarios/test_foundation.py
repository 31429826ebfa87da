"""First view, pages and synchronisation of the main window."""
from scenarios.base import (BAUD_ITEMS, CELLS, LINKAGE_COMBOS, LINKAGE_ITEMS, PAGE_CONTAINERS,
                            ScenarioCase)

# Which containers each page shows; the cells go with Panel3.
PAGES = {
    0: {"GroupBox1": True, "Panel1": True, "Panel2": True, "Panel3": False, "Panel5": False,
        "Panel8": False},
    1: {"GroupBox1": False, "Panel1": False, "Panel2": True, "Panel3": True, "Panel5": True,
        "Panel8": False},
    2: {"GroupBox1": False, "Panel1": False, "Panel2": True, "Panel3": True, "Panel5": False,
        "Panel8": True},
}
PAGE_LABELS = {0: "page0-main", 1: "page1-spd-data", 2: "page2-spd-description"}


class FirstView(ScenarioCase):
    def test_first_view(self):
        s = self.app.screen()
        self.app.screenshot(PAGE_LABELS[0])
        self.assertEqual(s["Form1"]["text"], "Kestrune")
        self.assertEqual(s["Form1"]["class"], "TForm1")
        self.assertEqual(s["Form1"].client_size, (913, 662))
        for name in ("GroupBox1", "Panel1", "Panel2"):
            self.assertTrue(s[name]["visible"], name)
        self.assertEqual([c for c in CELLS if s[c]["visible"]], [])
        for name in LINKAGE_COMBOS:
            self.assertEqual((s[name]["text"], s[name]["cursel"], s[name]["items"]),
                             ("無連動", 0, LINKAGE_ITEMS), name)
        self.assertEqual((s["ComboBox13"]["text"], s["ComboBox13"]["items"]),
                         ("9600", BAUD_ITEMS))
        self.assertEqual(s["Label6"]["text"], ":")
        self.assertEqual(s["ProgressBar1"]["pos"], 0)
        self.assertEqual(s["TabControl1"]["items"], ["主畫面", "SPD Data", "SPD 說明"])
        self.assertEqual(s["TabControl1"]["cursel"], 0)


class Pages(ScenarioCase):
    def test_each_tab_shows_its_containers(self):
        for index in (1, 2, 0, 2, 1):
            self.app.select_tab(index)
            s = self.app.screen(*PAGE_CONTAINERS, *CELLS)
            shown = {name: s[name]["visible"] for name in PAGE_CONTAINERS}
            self.assertEqual(shown, PAGES[index], f"page {index}")
            cells = {s[c]["visible"] for c in CELLS}
            self.assertEqual(cells, {index != 0}, f"cells on page {index}")
            self.app.screenshot(PAGE_LABELS[index])


class Synchronisation(ScenarioCase):
    def press(self, button):
        self.app.click(button)

    def test_band_sweep_collects_typed_cell(self):
        self.app.select_tab(1)
        self.app.type_into("E17", "5A")
        self.app.type_into("E18", "7e")
        self.app.sweep_band()
        self.press("SpeedButtonACSII")
        self.app.wait_until(lambda s: s["E17"]["text"] == "Z", 10, "ASCII view", names=("E17",))
        self.assertCellTexts({17: "Z", 18: "~", 0: "", 19: ""})
        self.app.screenshot("sync-ascii")
        self.press("SpeedButtonHEX")
        self.app.wait_until(lambda s: s["E17"]["text"] == "5A", 10, "HEX view", names=("E17",))
        self.assertCellTexts({17: "5A", 18: "7E", 0: "00", 19: "00"})

    def test_moving_over_tab_control_or_label_collects_nothing(self):
        self.app.select_tab(1)
        self.app.type_into("E33", "C3")
        self.app.sweep_over("TabControl1")
        self.app.sweep_over("Label1")
        self.app.sweep_over("E33")
        self.assertCellTexts({33: "C3"})
        self.press("SpeedButtonHEX")
        self.app.wait_until(lambda s: s["E33"]["text"] == "00", 10, "the typed byte to be dropped",
                            names=("E33",))

    def test_linkage_selector_reaches_cell_144(self):
        self.app.select_combo("ComboBox4", "布幕上")
        self.app.sweep_band()
        self.app.select_tab(1)
        self.press("SpeedButtonHEX")
        self.app.wait_until(lambda s: s["E144"]["text"] == "01", 10, "cell 144 to show 01",
                            names=("E144",))
        self.assertCellTexts({143: "00", 144: "01", 145: "00"})


class Keyboard(ScenarioCase):
    def test_tab_moves_along_the_cells_and_types_over(self):
        self.app.select_tab(1)
        self.app.type_into("E15", "3C")
        self.app.input.keys("Tab")
        self.app.input.type("4D")
        self.app.input.keys("shift+Tab")
        self.app.input.type("A1")
        self.app.wait_until(lambda s: s["E15"]["text"] == "A1", 10, "cell 15 typed over",
                            names=("E15",))
        self.assertCellTexts({14: "00", 15: "A1", 16: "4D", 17: "00"})

    def test_arrow_keys_on_the_tab_strip_change_the_page(self):
        self.app.select_tab(0)
        self.app.input.keys("Right")
        s = self.app.wait_until(lambda s: s["TabControl1"]["cursel"] == 1, 10, "page 1",
                                names=("TabControl1", "Panel5", "GroupBox1", "E0"))
        self.assertEqual((s["Panel5"]["visible"], s["GroupBox1"]["visible"], s["E0"]["visible"]),
                         (True, False, True))


class Exit(ScenarioCase):
    def test_exit_button_ends_with_code_0(self):
        self.app.click("SpeedButton3")
        self.assertEqual(self.app.wait_exit(60), 0)

    def test_close_box_ends_with_code_0(self):
        self.app.close_box()
        self.assertEqual(self.app.wait_exit(60), 0)
