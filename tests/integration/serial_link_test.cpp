// The program's transfers over a pty pair against the emulator process, in real time.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/unit1.h"
#include "serial/posix_serial_port.h"
#include "serial/registry_memory.h"
#include "serial/system.h"
#include "tools/emulator.h"
#include "tools/emulator_process.h"

namespace {

emu::Memory Pattern(std::uint8_t seed) {
  emu::Memory m{};
  for (std::size_t i = 0; i < m.size(); ++i) m[i] = static_cast<std::uint8_t>(i * 11 + seed);
  return m;
}

class SerialLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kestrune-link-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    form.reset();
    emulator.Stop();
    std::filesystem::remove_all(dir);
  }
  // Starts the emulator with `extra` and a window whose COM1 is the emulator's line.
  void Connect(const std::vector<std::string>& extra) {
    ASSERT_TRUE(emulator.Start(KESTRUNE_EMULATOR, dir, extra));
    port.MapDevice("\\\\.\\COM1", emulator.Line());
    form = std::make_unique<TForm1>(app, platform);
    form->FormCreate(form.get());
    ASSERT_EQ(form->Label18->Caption(), L"COM Port 開啟中");
  }
  std::string File(const char* name) const { return dir + "/" + name; }

  std::string dir;
  emu::EmulatorProcess emulator;
  tk::Application app;
  serial::PosixSerialPort port;
  serial::MemoryRegistry registry;
  std::unique_ptr<serial::Clock> clock = serial::MakeSystemClock();
  Platform platform{port, registry, *clock};
  std::unique_ptr<TForm1> form;
};

TEST_F(SerialLinkTest, WriteThenReadBringsTheImageBack) {
  Connect({"--save", File("device.SPD")});
  const emu::Memory image = Pattern(17);
  std::copy(image.begin(), image.end(), form->SpdImage.begin());
  form->SpeedButton1->Click();
  EXPECT_EQ(form->Label6->Caption(), L"燒錄成功");
  EXPECT_EQ(form->Label3->Caption(), L"1");
  emu::Memory stored{};
  ASSERT_TRUE(emu::LoadMemory(File("device.SPD"), stored));
  EXPECT_EQ(stored, image);

  std::fill(form->SpdImage.begin(), form->SpdImage.end(), 0);
  form->SpeedButton2->Click();
  EXPECT_EQ(form->Label6->Caption(), L"讀取完成");
  EXPECT_EQ(form->Label86->Caption(), L"512");
  EXPECT_TRUE(std::equal(image.begin(), image.end(), form->SpdImage.begin()));

  // What the controller saw: the opening frame, 32 blocks in order, the read request.
  std::vector<std::string> kinds;
  for (const emu::LogLine& line : emu::ReadLog(emulator.LogPath())) {
    if (line.dir == "rx") kinds.push_back(line.kind);
  }
  ASSERT_EQ(kinds.size(), 34u);
  EXPECT_EQ(kinds.front(), "write-open");
  EXPECT_EQ(kinds[1], "block:00");
  EXPECT_EQ(kinds[32], "block:31");
  EXPECT_EQ(kinds.back(), "read-open");
}

TEST_F(SerialLinkTest, PartialReadAnswersLeaveTheImageAlone) {
  const emu::Memory device = Pattern(99);
  ASSERT_TRUE(emu::SaveMemory(File("device.SPD"), device));
  for (const char* mode : {"--short-read", "--slow-read"}) {
    Connect({"--load", File("device.SPD"), mode});
    form->SpdImage.fill(0x42);
    form->SpeedButton2->Click();
    EXPECT_EQ(form->Label6->Caption(), L"讀取失敗") << mode;
    const int count = std::stoi(tk::Narrow(form->Label86->Caption()));
    EXPECT_GT(count, 0) << mode;
    EXPECT_LT(count, 512) << mode;
    if (std::string(mode) == "--short-read") {
      EXPECT_EQ(count, 300);
    }
    EXPECT_TRUE(std::all_of(form->SpdImage.begin(), form->SpdImage.end(), [](std::uint8_t b) {
      return b == 0x42;
    })) << mode;
    form.reset();
    port.Close();
    emulator.Stop();
  }
}

}  // namespace
