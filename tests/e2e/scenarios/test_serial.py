"""Write and read transfers against the controller emulator on a virtual cable."""
import time

from scenarios.base import BAUD_ITEMS, LINKAGE_COMBOS, LINKAGE_ITEMS, ScenarioCase

PORT_KEY = r"HKLM\Software\Orvane\Kestrune"
USER_PORT_KEY = r"HKCU\Software\Orvane\Kestrune"
OPEN_TEXT = "COM Port 開啟中"


def device_image():
    image = bytearray((255 - i * 13) & 0xFF for i in range(512))
    image[144:153] = bytes([6, 5, 4, 3, 2, 1, 0, 6, 5])
    image[288] = 4
    return bytes(image)


class SerialCase(ScenarioCase):
    controller = None

    def tearDown(self):
        super().tearDown()
        if self.controller:
            self.controller.stop()

    def attach(self, port, image=None, options=()):
        self.controller = self.session.controller(port, self.id().rsplit(".", 1)[-1], image,
                                                  options)
        return self.controller

    def choose_port(self, name):
        self.app.select_combo("ComboBox1", name)
        self.app.wait_until(lambda s: s["Label18"]["text"] == OPEN_TEXT, 20,
                            f"{name} to open", names=("Label18",))

    def wait_status(self, text, timeout):
        return self.app.wait_until(lambda s: s["Label6"]["text"] == text, timeout,
                                   f"Label6 to show {text!r}",
                                   names=("Label6", "Label3", "Label86", "ProgressBar1"))


class Transfers(SerialCase):
    def test_write_edited_image_to_com2(self):
        controller = self.attach(2)
        self.choose_port("COM2")
        expected = bytearray(512)
        self.app.select_tab(1)
        for index, text in {0: "A5", 17: "3c", 143: "7E", 200: "0F", 255: "FF"}.items():
            self.app.type_into(f"E{index}", text)
            expected[index] = int(text, 16)
        self.app.sweep_band()
        self.app.select_tab(0)
        for name, item in {"ComboBox4": "布幕下", "ComboBox12": "關機行程2",
                           "ComboBox13": "115200"}.items():
            self.app.select_combo(name, item)
        expected[144], expected[152], expected[288] = 2, 6, 4
        self.app.sweep_band()
        self.app.click("SpeedButton1")
        self.wait_status("燒錄中 ...", 10)
        s = self.wait_status("燒錄成功", 60)
        self.app.screenshot("serial-write-done")
        self.assertEqual((s["Label3"]["text"], s["ProgressBar1"]["pos"]), ("1", 124))
        self.assertEqual(controller.memory(), bytes(expected))

    def test_read_image_from_com2(self):
        image = device_image()
        self.attach(2, image)
        self.choose_port("COM2")
        self.app.click("SpeedButton2")
        s = self.wait_status("讀取完成", 40)
        # 130 lies beyond the range: the native bar holds its maximum and shows full.
        self.assertEqual((s["Label86"]["text"], s["ProgressBar1"]["pos"]),
                         ("512", s["ProgressBar1"]["max"]))
        self.app.select_tab(1)
        s = self.app.screen()
        self.app.screenshot("serial-read-done")
        self.assertEqual({i: s[f"E{i}"]["text"] for i in range(256)},
                         {i: f"{image[i]:02X}" for i in range(256)})
        self.assertEqual([s[name]["text"] for name in LINKAGE_COMBOS],
                         [LINKAGE_ITEMS[b] for b in image[144:153]])
        self.assertEqual(s["ComboBox13"]["text"], BAUD_ITEMS[image[288]])

    def test_no_controller_write_and_read_fail(self):
        self.choose_port("COM1")  # nothing on the other end of this cable
        self.app.click("SpeedButton1")
        s = self.wait_status("燒錄失敗", 20)
        self.assertEqual(s["ProgressBar1"]["pos"], 0)
        began = time.monotonic()
        self.app.click("SpeedButton2")
        self.wait_status("讀取中 ...", 10)
        time.sleep(8)  # ten attempts two seconds apart cannot all be over yet
        self.assertEqual(self.app.text("Label6"), "讀取中 ...")
        s = self.wait_status("讀取失敗", 60)
        print(f"  read failed after {time.monotonic() - began:.1f} s")
        self.assertEqual((s["Label86"]["text"], s["ProgressBar1"]["pos"]), ("0", 5))


class PortSetting(SerialCase):
    def stored_index(self):
        """The machine-wide value; Wine's user may write it, so no per-user copy is left."""
        self.assertIsNone(self.app.prefix.reg_query(USER_PORT_KEY, "ComPortIndex"))
        return self.app.prefix.reg_query(PORT_KEY, "ComPortIndex")

    def test_chosen_port_survives_restart(self):
        self.choose_port("COM2")
        self.app.click("SpeedButton3")
        self.assertEqual(self.app.wait_exit(60), 0)
        self.assertEqual(self.stored_index(), ("REG_DWORD", "0x1"))
        self.app = self.session.program("restart")
        s = self.app.start()
        self.assertEqual((s["ComboBox1"]["cursel"], s["ComboBox1"]["text"]), (1, "COM2"))
        self.assertEqual(s["Label18"]["text"], OPEN_TEXT)
        self.choose_port("COM1")
        self.app.close_box()
        self.assertEqual(self.app.wait_exit(60), 0)
        self.assertEqual(self.stored_index(), ("REG_DWORD", "0x0"))

    def test_close_during_write_ends_after_the_transfer(self):
        controller = self.attach(2)
        self.choose_port("COM2")
        self.app.click("SpeedButton1")
        self.app.wait_until(lambda s: s["ProgressBar1"]["pos"] >= 8, 30, "the block phase",
                            names=("ProgressBar1",))
        self.app.close_box()
        time.sleep(2)
        self.assertTrue(self.app.running(), "the program ended under the transfer")
        self.assertEqual(self.app.wait_exit(60), 0)
        self.assertEqual(self.stored_index(), ("REG_DWORD", "0x1"))
        self.assertEqual(controller.blocks_received(), 32)
