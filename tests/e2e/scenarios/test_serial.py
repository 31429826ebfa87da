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


ONE_WRITE = ["write-open", "write-answer", *(f"block:{k:02}" for k in range(32)), "stored"]


def frame_kinds(controller):
    return [kind for kind, _, _ in controller.frames()]


class SerialCase(ScenarioCase):
    def setUp(self):
        self.controllers = []
        super().setUp()

    def tearDown(self):
        super().tearDown()
        for controller in self.controllers:
            controller.stop()

    def attach(self, port, image=None, options=()):
        label = f"{self.id().rsplit('.', 1)[-1]}-com{port}"
        self.controllers.append(self.session.controller(port, label, image, options))
        return self.controllers[-1]

    def choose_port(self, name):
        self.app.select_combo("ComboBox1", name)
        self.app.wait_until(lambda s: s["Label18"]["text"] == OPEN_TEXT, 20,
                            f"{name} to open", names=("Label18",))

    def wait_status(self, text, timeout):
        return self.app.wait_until(lambda s: s["Label6"]["text"] == text, timeout,
                                   f"Label6 to show {text!r}",
                                   names=("Label6", "Label3", "Label86", "ProgressBar1"))

    def write_until_block_phase(self):
        self.app.click("SpeedButton1")
        return self.wait_blocks(2)

    def wait_blocks(self, count, since=0):
        """Waits until the bar stands count blocks beyond since; returns where it stands."""
        return self.app.wait_until(lambda s: s["ProgressBar1"]["pos"] >= since + 4 * count, 30,
                                   f"block {since // 4 + count}",
                                   names=("ProgressBar1",))["ProgressBar1"]["pos"]

    def press_during_transfer(self, rect, dx=0):
        """Clicks a control read before the transfer: a busy program would answer a read of its
        windows only between blocks. The pointer must move, or xdotool waits for it to."""
        left, top, right, bottom = rect
        self.app.input.click((left + right) // 2 + dx, (top + bottom) // 2 + 2)


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


class ControllerFaults(SerialCase):
    def test_short_read_answer_leaves_the_image_and_cells_unchanged(self):
        controller = self.attach(2, device_image(), ("--short-read",))
        self.choose_port("COM2")
        self.app.click("SpeedButton2")
        s = self.wait_status("讀取失敗", 40)
        self.assertEqual((s["Label86"]["text"], s["ProgressBar1"]["pos"]), ("300", 5))
        self.assertEqual(self.app.text("ComboBox4"), "無連動")
        # Nothing of the 300 bytes may have reached the image: writing it back sends the
        # former zeros. The click warps the pointer, so no collection runs on the way.
        self.app.click("SpeedButton1")
        self.wait_status("燒錄成功", 60)
        self.assertEqual(controller.memory(), bytes(512))

    def test_long_write_answer_counts_128_and_the_write_completes(self):
        controller = self.attach(2, options=("--write-answer", "200"))
        self.choose_port("COM2")
        self.app.click("SpeedButton1")
        s = self.wait_status("燒錄成功", 60)
        self.assertEqual((s["Label3"]["text"], s["ProgressBar1"]["pos"]), ("128", 124))
        self.assertEqual(controller.memory(), bytes(512))


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
        self.write_until_block_phase()
        self.app.close_box()
        time.sleep(2)
        self.assertTrue(self.app.running(), "the program ended under the transfer")
        self.assertEqual(self.app.wait_exit(60), 0)
        self.assertEqual(self.stored_index(), ("REG_DWORD", "0x1"))
        self.assertEqual(controller.blocks_received(), 32)


class ReEntry(SerialCase):
    """What the operator does while a write lets window messages through."""

    def test_transfer_buttons_during_write_start_no_second_exchange(self):
        controller = self.attach(2, device_image())
        self.choose_port("COM2")
        s = self.app.screen("SpeedButton1", "SpeedButton2")
        self.write_until_block_phase()
        self.press_during_transfer(s["SpeedButton1"].rect, dx=3)
        self.press_during_transfer(s["SpeedButton2"].rect)
        self.wait_status("燒錄成功", 60)
        self.assertEqual(frame_kinds(controller), ONE_WRITE)
        self.assertEqual(controller.memory(), bytes(512))

    def test_port_change_during_write_waits_for_the_transfer(self):
        written = self.attach(2, device_image())
        other = self.attach(1, options=["--silent"])
        self.choose_port("COM2")
        combo = self.app.screen("ComboBox1")["ComboBox1"]
        self.write_until_block_phase()
        self.press_during_transfer((combo.rect[2] - 16,) + tuple(combo.rect[1:]))
        self.app.input.keys("Home", "Return")
        self.wait_blocks(2, since=self.wait_blocks(0))
        self.assertEqual(self.app.text("Label6"), "燒錄中 ...")
        self.wait_status("燒錄成功", 60)
        self.assertEqual(frame_kinds(written), ONE_WRITE)
        self.assertEqual(written.memory(), bytes(512))
        self.assertEqual(frame_kinds(other), [])
        # The port is COM1 now: the next write reaches the silent controller there.
        self.app.click("SpeedButton1")
        self.wait_status("燒錄失敗", 20)
        self.assertEqual(frame_kinds(other), ["write-open"])
        self.assertEqual(frame_kinds(written), ONE_WRITE)
        s = self.app.screen("ComboBox1", "Label18")
        self.assertEqual((s["ComboBox1"]["cursel"], s["Label18"]["text"]), (0, OPEN_TEXT))
