"""Opening and saving .SPD files through the system's own file dialogs."""
import os
import stat

from scenarios.base import BAUD_ITEMS, LINKAGE_COMBOS, LINKAGE_ITEMS, ScenarioCase

FOLDER_NAME = "設定 檔案"
SAMPLE_NAME = "樣本.SPD"


def sample_image():
    """512 bytes with a distinct value in every grid cell and valid selector bytes."""
    image = bytearray((i * 37 + 11) & 0xFF for i in range(512))
    image[144:153] = bytes([1, 2, 3, 4, 5, 6, 0, 1, 2])
    image[288] = 3
    return bytes(image)


class Files(ScenarioCase):
    def setUp(self):
        self.folder = self.session.root / "files" / self.id().rsplit(".", 1)[-1] / FOLDER_NAME
        self.folder.mkdir(parents=True, exist_ok=True)
        for old in self.folder.iterdir():
            old.chmod(stat.S_IWUSR | stat.S_IRUSR)
            old.unlink()
        self.sample = self.folder / SAMPLE_NAME
        self.sample.write_bytes(sample_image())
        super().setUp()

    def win(self, path):
        return self.app.prefix.windows_path(path)

    def caption(self):
        return self.app.text("Form1")

    def open_sample(self):
        self.app.select_tab(1)
        self.app.click("SpeedButtonOpen")
        self.app.answer_file_dialog(self.win(self.sample))
        self.app.wait_until(lambda s: s["Form1"]["text"] == f"Lumeth - {SAMPLE_NAME}", 20,
                            "the caption of the opened file", names=("Form1",))

    def save_as(self, path):
        self.app.click("SpeedButtonSave")
        self.app.answer_file_dialog(self.win(path))

    def answer_overwrite(self, button):
        s = self.app.wait_until(lambda s: s.named("Form2") is not None and s["Form2"]["visible"],
                                20, "the overwrite question")
        self.app.screenshot(f"overwrite-question-{self.id().rsplit('.', 1)[-1]}")
        self.assertEqual(s.within("Form2", "Label2")["text"], "檔案已經存在,您要覆蓋它嗎?")
        if button is None:
            # "確認" has the focus when the question opens; Tab moves it to "放棄".
            self.app.input.keys("Tab", "space")
        else:
            self.app.click(s.within("Form2", button))
        self.app.wait_until(lambda s: not s["Form2"]["visible"], 20, "the question to close",
                            names=("Form2",))
        return s

    def test_open_from_folder_with_chinese_name(self):
        self.open_sample()
        image = sample_image()
        s = self.app.screen()
        self.app.screenshot("files-opened")
        self.assertEqual({i: s[f"E{i}"]["text"] for i in range(256)},
                         {i: f"{image[i]:02X}" for i in range(256)})
        self.assertEqual([s[name]["text"] for name in LINKAGE_COMBOS],
                         [LINKAGE_ITEMS[b] for b in image[144:153]])
        self.assertEqual(s["ComboBox13"]["text"], BAUD_ITEMS[image[288]])

    def test_save_under_new_name(self):
        self.open_sample()
        target = self.folder / "新檔"
        self.save_as(target)
        self.app.wait_until(lambda s: s["Form1"]["text"] == "Lumeth - 新檔", 20,
                            "the caption of the saved file", names=("Form1",))
        self.assertEqual(target.read_bytes(), sample_image())

    def test_save_over_and_confirm(self):
        target = self.folder / "舊檔.SPD"
        target.write_bytes(b"\x5a" * 100)
        self.open_sample()
        self.save_as(target)
        s = self.answer_overwrite("Button1")
        self.assertEqual(s.within("Form2", "Label1")["text"], "舊檔.SPD")
        self.app.wait_until(lambda s: s["Form1"]["text"] == "Kestrune - 舊檔.SPD", 20,
                            "the overwrite caption", names=("Form1",))
        self.assertEqual(target.read_bytes(), sample_image())

    def test_save_over_and_cancel(self):
        target = self.folder / "舊檔.SPD"
        before = bytes(range(256)) * 4
        target.write_bytes(before)
        self.open_sample()
        self.save_as(target)
        self.answer_overwrite("Button2")
        self.assertEqual(self.caption(), f"Lumeth - {SAMPLE_NAME}")
        self.assertEqual(target.read_bytes(), before)

    def test_save_over_and_cancel_by_keyboard(self):
        target = self.folder / "鍵盤.SPD"
        before = b"\x5a" * 100
        target.write_bytes(before)
        self.open_sample()
        self.save_as(target)
        self.answer_overwrite(None)
        self.assertEqual(self.caption(), f"Lumeth - {SAMPLE_NAME}")
        self.assertEqual(target.read_bytes(), before)

    def test_save_into_read_only_file_keeps_it(self):
        target = self.folder / "唯讀.SPD"
        before = b"\x11" * 512
        target.write_bytes(before)
        target.chmod(stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        self.open_sample()
        self.save_as(target)
        self.answer_overwrite("Button1")
        s = self.app.wait_until(lambda s: s["Form1"]["text"] != f"Lumeth - {SAMPLE_NAME}", 20,
                                "the caption to report the save", names=("Form1",))
        self.app.screenshot("files-read-only-save-failed")
        self.assertIn("唯讀.SPD", s["Form1"]["text"])
        self.assertIn("失敗", s["Form1"]["text"])
        self.assertEqual(target.read_bytes(), before)
        self.assertEqual([p.name for p in self.folder.iterdir() if p.name.endswith(".tmp")], [])
        os.chmod(target, stat.S_IRUSR | stat.S_IWUSR)
