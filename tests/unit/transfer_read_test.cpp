// "讀取 SPD": the read exchange on the wire, its outcomes and what reaches the window.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/serial_form_fixture.h"

using Op = PortCall::Op;

namespace {

// 9600 baud, 10 bits a byte.
constexpr double kByteMs = 10000.0 / 9600.0;

}  // namespace

class ReadTransferTest : public SerialFormTest {
 protected:
  void SetUp() override {
    Start();
    former = Pattern(kImageStore, 9);
    std::copy(former.begin(), former.end(), form->SpdImage.begin());
    ShowImageOnForm(*form);
    former_cell = form->CellEdits[0]->Text();
    port.ClearCalls();
    start_ms = clock.NowMs();
  }
  void Press() { form->SpeedButton2->Click(); }
  bool ImageUnchanged() const {
    return std::equal(former.begin(), former.end(), form->SpdImage.begin());
  }

  std::vector<std::uint8_t> former;
  std::string former_cell;
  std::uint64_t start_ms = 0;
};

TEST_F(ReadTransferTest, CompleteAnswerReplacesTheImageAndShowsIt) {
  std::vector<std::uint8_t> answer = Pattern(512, 40);
  answer[0] = 0xC3;
  answer[144] = 2;  // K1 linkage "布幕下"
  answer[288] = 4;  // baud rate "115200"
  AnswerReadOpening(answer, 300, kByteMs);
  Press();
  const auto& calls = port.Calls();
  ASSERT_EQ(calls.size(), 1u + 17 + 1);
  EXPECT_EQ(calls[0].op, Op::Purge);
  std::vector<std::uint8_t> opening(17, 0x00);
  opening[0] = 0xFE;
  EXPECT_EQ(port.Written(), opening);
  for (int i = 0; i < 17; ++i) EXPECT_EQ(calls[1 + i].at_ms, start_ms + 10u * i) << i;
  EXPECT_EQ(calls[18].op, Op::Read);
  EXPECT_EQ(calls[18].asked, 512u);
  EXPECT_EQ(calls[18].at_ms, start_ms + 170 + 2000);
  EXPECT_TRUE(std::equal(answer.begin(), answer.end(), form->SpdImage.begin()));
  EXPECT_TRUE(std::equal(former.begin() + 512, former.end(), form->SpdImage.begin() + 512));
  EXPECT_EQ(form->Label6->Caption(), L"讀取完成");
  EXPECT_EQ(form->Label86->Caption(), L"512");
  EXPECT_EQ(form->ProgressBar1->Position(), 130);
  EXPECT_EQ(form->CellEdits[0]->Text(), "C3");
  EXPECT_EQ(form->ComboBox4->Text(), L"布幕下");
  EXPECT_EQ(form->ComboBox13->Text(), L"115200");
}

TEST_F(ReadTransferTest, LongAnswerGivesItsFirst512Bytes) {
  const std::vector<std::uint8_t> answer = Pattern(600, 1);
  AnswerReadOpening(answer, 100);
  Press();
  EXPECT_EQ(form->Label6->Caption(), L"讀取完成");
  EXPECT_EQ(form->Label86->Caption(), L"512");
  EXPECT_TRUE(std::equal(answer.begin(), answer.begin() + 512, form->SpdImage.begin()));
  EXPECT_EQ(form->SpdImage[512], former[512]);
  EXPECT_EQ(port.Unread(), 88u);
}

// A cut-off answer is a failed read: the image and the editors keep what they held.
TEST_F(ReadTransferTest, PartialAnswerLeavesImageAndEditorsAlone) {
  struct Case {
    const char* name;
    std::size_t size;
    unsigned delay_ms;
    double gap_ms;
    const wchar_t* count;
  };
  const Case cases[] = {
      {"short answer", 300, 100, 0, L"300"},
      {"one byte", 1, 100, 0, L"1"},
      // Still arriving at the first attempt: 2000 ms after the frame the answer has run for 50 ms
      // and the 40 ms read sees 90 ms of it.
      {"slow answer", 512, 1950, kByteMs, L"88"},
  };
  for (const Case& c : cases) {
    SetUp();
    AnswerReadOpening(Pattern(c.size, 77), c.delay_ms, c.gap_ms);
    Press();
    EXPECT_EQ(form->Label6->Caption(), L"讀取失敗") << c.name;
    EXPECT_EQ(form->Label86->Caption(), c.count) << c.name;
    EXPECT_EQ(form->ProgressBar1->Position(), 5) << c.name;
    EXPECT_TRUE(ImageUnchanged()) << c.name;
    EXPECT_EQ(form->CellEdits[0]->Text(), former_cell) << c.name;
    EXPECT_EQ(CallsOf(Op::Read).size(), 1u) << c.name;
  }
}

TEST_F(ReadTransferTest, NoAnswerFailsAfterTenAttempts) {
  std::vector<std::uint64_t> message_times;
  WatchMessages([&] {
    message_times.push_back(clock.NowMs());
    EXPECT_EQ(form->ProgressBar1->Position(), 5);
  });
  Press();
  const auto reads = CallsOf(Op::Read);
  ASSERT_EQ(reads.size(), 10u);
  ASSERT_EQ(message_times.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(message_times[i], start_ms + 170 + 2040u * i) << i;
    EXPECT_EQ(reads[i].at_ms, message_times[i] + 2000) << i;
  }
  EXPECT_EQ(clock.NowMs() - start_ms, 170u + 10 * 2040);
  EXPECT_EQ(form->Label6->Caption(), L"讀取失敗");
  EXPECT_EQ(form->Label86->Caption(), L"0");
  EXPECT_EQ(form->ProgressBar1->Position(), 5);
  EXPECT_TRUE(ImageUnchanged());
}

TEST_F(ReadTransferTest, AnswerAtALaterAttemptIsTaken) {
  const std::vector<std::uint8_t> answer = Pattern(512, 5);
  AnswerReadOpening(answer, 5000);
  Press();
  EXPECT_EQ(CallsOf(Op::Read).size(), 3u);
  EXPECT_EQ(form->Label6->Caption(), L"讀取完成");
  EXPECT_TRUE(std::equal(answer.begin(), answer.end(), form->SpdImage.begin()));
}

TEST_F(ReadTransferTest, PortThatDidNotOpenFails) {
  port.SetDefaultOpenResult(false);
  Restart();
  AnswerReadOpening(Pattern(512, 5), 100);
  Press();
  EXPECT_EQ(form->Label6->Caption(), L"讀取失敗");
  EXPECT_EQ(form->Label86->Caption(), L"0");
  EXPECT_EQ(CallsOf(Op::Read).size(), 10u);
}
