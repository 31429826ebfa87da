// "燒錄 SPD": the write exchange on the wire and its status texts.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/serial_form_fixture.h"

using Op = PortCall::Op;

class WriteTransferTest : public SerialFormTest {
 protected:
  void SetUp() override {
    Start();
    image = Pattern(512, 3);
    std::copy(image.begin(), image.end(), form->SpdImage.begin());
    form->SpdImage[512] = 0xEE;  // beyond the image: never sent
    port.ClearCalls();
    start_ms = clock.NowMs();
  }
  void Press() { form->SpeedButton1->Click(); }
  // Bytes of the block frames the controller would expect for `image`.
  std::vector<std::uint8_t> BlockBytes() const {
    std::vector<std::uint8_t> bytes;
    for (int k = 0; k < 32; ++k) {
      bytes.push_back(static_cast<std::uint8_t>(k));
      bytes.insert(bytes.end(), image.begin() + 16 * k, image.begin() + 16 * k + 16);
    }
    return bytes;
  }
  static std::vector<std::uint8_t> Opening() {
    std::vector<std::uint8_t> frame(17, 0x00);
    frame[0] = 0xFF;
    return frame;
  }

  std::vector<std::uint8_t> image;
  std::uint64_t start_ms = 0;
};

TEST_F(WriteTransferTest, ExchangeIsExactOnTheWire) {
  AnswerWriteOpening(1);
  Press();
  const auto& calls = port.Calls();
  // Purge, 17 writes, read, purge, 32 x 17 writes.
  ASSERT_EQ(calls.size(), 1u + 17 + 1 + 1 + 32 * 17);
  EXPECT_EQ(calls[0].op, Op::Purge);
  std::vector<std::uint8_t> wire = Opening();
  const std::vector<std::uint8_t> blocks = BlockBytes();
  wire.insert(wire.end(), blocks.begin(), blocks.end());
  EXPECT_EQ(port.Written(), wire);
  for (int i = 1; i <= 17; ++i) EXPECT_EQ(calls[i].at_ms, start_ms) << i;
  EXPECT_EQ(calls[18].op, Op::Read);
  EXPECT_EQ(calls[18].asked, 128u);
  EXPECT_EQ(calls[18].at_ms, start_ms + 100);
  EXPECT_EQ(calls[19].op, Op::Purge);
  // The short answer ends the read at its 40 ms time-out; then one frame every 500 ms.
  const std::uint64_t blocks_ms = start_ms + 140;
  EXPECT_EQ(calls[19].at_ms, blocks_ms);
  for (int k = 0; k < 32; ++k) {
    for (int i = 0; i < 17; ++i) {
      const PortCall& call = calls[20 + 17 * k + i];
      ASSERT_EQ(call.op, Op::Write);
      EXPECT_EQ(call.at_ms, blocks_ms + 500u * k) << k;
    }
  }
  EXPECT_EQ(clock.NowMs(), blocks_ms + 32 * 500);
  EXPECT_EQ(form->Label6->Caption(), L"燒錄成功");
  EXPECT_EQ(form->Label3->Caption(), L"1");
  EXPECT_EQ(form->ProgressBar1->Position(), 124);
  EXPECT_FALSE(form->TransferRunning);
}

TEST_F(WriteTransferTest, MessagesRunOncePerBlockAfterItsProgress) {
  AnswerWriteOpening(1);
  std::vector<int> seen;
  WatchMessages([&] {
    seen.push_back(form->ProgressBar1->Position());
    EXPECT_EQ(form->Label6->Caption(), L"燒錄中 ...");
  });
  Press();
  ASSERT_EQ(seen.size(), 32u);
  for (int k = 0; k < 32; ++k) EXPECT_EQ(seen[k], 4 * k);
}

// Messages let the window change the image; later blocks carry the change.
TEST_F(WriteTransferTest, BlocksAreBuiltFromTheImageAsItIsThen) {
  AnswerWriteOpening(1);
  app->Post([&] { form->SpdImage[511] = 0xA5; });
  Press();
  const std::vector<std::uint8_t> written = port.Written();
  EXPECT_EQ(written.back(), 0xA5);
  EXPECT_EQ(written[written.size() - 17], 0x1F);
}

TEST_F(WriteTransferTest, OpeningAnswerDecidesTheOutcome) {
  struct Case {
    std::size_t answer;
    const wchar_t* status;
    const wchar_t* count;
    std::size_t writes;
    int bar;
  };
  const Case cases[] = {
      {0, L"燒錄失敗", L"DEVIEC NAME ", 17, 0},
      {3, L"燒錄成功", L"3", 17 + 32 * 17, 124},
      {200, L"燒錄成功", L"128", 17 + 32 * 17, 124},
  };
  for (const Case& c : cases) {
    Restart();
    port.ClearCalls();
    AnswerWriteOpening(c.answer);
    Press();
    EXPECT_EQ(form->Label6->Caption(), c.status) << c.answer;
    EXPECT_EQ(form->Label3->Caption(), c.count) << c.answer;
    EXPECT_EQ(CallsOf(Op::Write).size(), c.writes) << c.answer;
    EXPECT_EQ(form->ProgressBar1->Position(), c.bar) << c.answer;
    // What came beyond the 128 bytes read was dropped by the second purge.
    EXPECT_EQ(port.Unread(), 0u) << c.answer;
  }
}

TEST_F(WriteTransferTest, PortThatDidNotOpenFails) {
  port.SetDefaultOpenResult(false);
  Restart();
  port.ClearCalls();
  AnswerWriteOpening(1);
  Press();
  EXPECT_EQ(form->Label6->Caption(), L"燒錄失敗");
  EXPECT_EQ(form->Label3->Caption(), L"DEVIEC NAME ");
  const auto writes = CallsOf(Op::Write);
  EXPECT_EQ(writes.size(), 17u);
  EXPECT_TRUE(std::none_of(writes.begin(), writes.end(), [](const PortCall& c) { return c.ok; }));
  EXPECT_EQ(CallsOf(Op::Read).size(), 1u);
}

// A write that fails in the block phase (cable pulled, write time-out) is a failed transfer.
TEST_F(WriteTransferTest, WriteErrorInTheBlockPhaseFailsAndStopsSending) {
  AnswerWriteOpening(1);
  // Writes since the fake was made: start-up wrote nothing, so this is byte 3 of block 5.
  port.FailWritesFrom(17 + 5 * 17 + 3);
  Press();
  EXPECT_EQ(form->Label6->Caption(), L"燒錄失敗");
  EXPECT_EQ(form->Label3->Caption(), L"1");
  EXPECT_EQ(form->ProgressBar1->Position(), 16);
  const auto writes = CallsOf(Op::Write);
  ASSERT_EQ(writes.size(), 17u + 5 * 17 + 3);
  EXPECT_FALSE(writes.back().ok);
  EXPECT_FALSE(form->TransferRunning);
}
