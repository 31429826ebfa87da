// The emulator's side of the protocol and its fault modes, on a fake line and clock.
#include <gtest/gtest.h>

#include <sstream>

#include "support/fake_clock.h"
#include "support/fake_serial_port.h"
#include "tools/emulator.h"

namespace {

std::vector<std::uint8_t> Frame(std::uint8_t head, std::uint8_t fill = 0) {
  std::vector<std::uint8_t> frame(17, fill);
  frame[0] = head;
  return frame;
}

class EmulatorTest : public ::testing::Test {
 protected:
  // An emulator started with `args` (the line options are added).
  emu::Controller& Make(std::vector<std::string> args) {
    args.insert(args.begin(), {"--device", "line"});
    std::string error;
    auto options = emu::ParseOptions(args, error);
    EXPECT_TRUE(options) << error;
    line.Open("line");
    controller = std::make_unique<emu::Controller>(line, clock, *options, log);
    for (std::size_t i = 0; i < emu::kMemorySize; ++i) {
      controller->memory()[i] = static_cast<std::uint8_t>(i * 3 + 1);
    }
    return *controller;
  }
  // The program sends `bytes`; the emulator runs until it has read them and answered.
  std::vector<std::uint8_t> Exchange(const std::vector<std::uint8_t>& bytes) {
    const std::size_t before = line.Written().size();
    line.Deliver(bytes, clock.NowMs());
    for (int i = 0; i < 200 && (line.Unread() > 0 || i < 3); ++i) controller->Step();
    const std::vector<std::uint8_t> written = line.Written();
    return {written.begin() + static_cast<long>(before), written.end()};
  }
  std::vector<std::uint8_t> Memory(std::size_t count) const {
    return {controller->memory().begin(), controller->memory().begin() + count};
  }

  FakeClock clock;
  FakeSerialPort line{clock};
  std::ostringstream log;
  std::unique_ptr<emu::Controller> controller;
};

TEST_F(EmulatorTest, StoresTheBlocksOfAWriteAndAnswersARead) {
  Make({});
  EXPECT_EQ(Exchange(Frame(0xFF)), std::vector<std::uint8_t>{0x06});
  for (int k = 0; k < 32; ++k) {
    std::vector<std::uint8_t> block = Frame(static_cast<std::uint8_t>(k));
    for (int i = 0; i < 16; ++i) block[1 + i] = static_cast<std::uint8_t>(255 - 16 * k - i);
    EXPECT_TRUE(Exchange(block).empty());
  }
  EXPECT_EQ(controller->writes_stored(), 1);
  for (std::size_t i = 0; i < emu::kMemorySize; ++i) {
    ASSERT_EQ(controller->memory()[i], static_cast<std::uint8_t>(255 - i)) << i;
  }
  EXPECT_EQ(Exchange(Frame(0xFE)), Memory(512));
  EXPECT_NE(log.str().find(" rx block:31 17 1F"), std::string::npos);
  EXPECT_NE(log.str().find(" tx read-answer 512 "), std::string::npos);
}

TEST_F(EmulatorTest, FaultModesShapeTheAnswers) {
  struct Case {
    std::vector<std::string> args;
    std::size_t write_answer;
    std::size_t read_answer;
  };
  const Case cases[] = {
      {{"--write-answer", "3"}, 3, 512},
      {{"--write-answer", "200"}, 200, 512},
      {{"--silent"}, 0, 0},
      {{"--short-read"}, 1, 300},
      {{"--long-read"}, 1, 600},
  };
  for (const Case& c : cases) {
    Make(c.args);
    EXPECT_EQ(Exchange(Frame(0xFF)).size(), c.write_answer) << c.args[0];
    const std::vector<std::uint8_t> answer = Exchange(Frame(0xFE));
    ASSERT_EQ(answer.size(), c.read_answer) << c.args[0];
    if (c.read_answer == 0) continue;
    EXPECT_EQ(std::vector<std::uint8_t>(answer.begin(), answer.begin() + 300), Memory(300));
    if (c.read_answer == 600) {
      EXPECT_EQ(std::vector<std::uint8_t>(answer.begin() + 512, answer.end()), Memory(88));
    }
  }
}

TEST_F(EmulatorTest, SlowReadAnswerStartsLate) {
  Make({"--slow-read"});
  const std::uint64_t asked = clock.NowMs();
  EXPECT_EQ(Exchange(Frame(0xFE)), Memory(512));
  const std::uint64_t started = [&] {
    for (const PortCall& call : line.Calls()) {
      if (call.op == PortCall::Op::Write) return call.at_ms;
    }
    return std::uint64_t{0};
  }();
  EXPECT_GE(started, asked + 1950);
  // Paced at 9600 baud: about 533 ms for the 512 bytes.
  EXPECT_GE(clock.NowMs(), started + 520);
}

TEST_F(EmulatorTest, DeafAfterOpenStoresNothingMore) {
  Make({"--deaf-after-open"});
  const auto before = controller->memory();
  EXPECT_EQ(Exchange(Frame(0xFF)).size(), 1u);
  EXPECT_TRUE(Exchange(Frame(0x00, 0xAA)).empty());
  EXPECT_EQ(controller->memory(), before);
  EXPECT_EQ(line.Unread(), 17u);
}

TEST_F(EmulatorTest, PauseInsideAFrameDropsIt) {
  Make({});
  line.Deliver({0xFF, 0, 0, 0, 0}, clock.NowMs());
  line.Deliver(Frame(0xFE), clock.NowMs() + 200);
  for (int i = 0; i < 40; ++i) controller->Step();
  EXPECT_EQ(line.Written(), Memory(512));
  EXPECT_NE(log.str().find(" rx partial 5 FF00000000"), std::string::npos);
}

TEST_F(EmulatorTest, OptionsNeedExactlyOneLine) {
  std::string error;
  EXPECT_FALSE(emu::ParseOptions({}, error));
  EXPECT_FALSE(emu::ParseOptions({"--device", "a", "--pty", "b"}, error));
  EXPECT_FALSE(emu::ParseOptions({"--device", "a", "--write-answer", "x"}, error));
  EXPECT_FALSE(emu::ParseOptions({"--device", "a", "--bogus"}, error));
  EXPECT_EQ(error, "unknown option --bogus");
  EXPECT_FALSE(emu::ParseOptions({"--device"}, error));
}

}  // namespace
