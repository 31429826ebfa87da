// What the operator can do while a transfer lets window messages through.
#include <gtest/gtest.h>

#include "support/serial_form_fixture.h"
#include "toolkit/headless/operator.h"

using Op = PortCall::Op;
using tk::headless::Pick;

class TransferGuardTest : public SerialFormTest {
 protected:
  void SetUp() override {
    Start();
    AnswerWriteOpening(1);
    AnswerReadOpening(Pattern(512, 2), 100);
    port.ClearCalls();
  }
};

TEST_F(TransferGuardTest, SecondPressStartsNoSecondExchange) {
  struct Case {
    const char* name;
    tk::Button* TForm1::*first;
    std::size_t writes;
    const wchar_t* status;
  };
  const Case cases[] = {
      {"write", &TForm1::SpeedButton1, 17 + 32 * 17, L"燒錄成功"},
      {"read", &TForm1::SpeedButton2, 17, L"讀取完成"},
  };
  for (const Case& c : cases) {
    port.ClearCalls();
    app->Post([&] {
      form->SpeedButton1->Click();
      form->SpeedButton2->Click();
    });
    ((*form).*c.first)->Click();
    EXPECT_EQ(CallsOf(Op::Write).size(), c.writes) << c.name;
    EXPECT_EQ(CallsOf(Op::Purge).size(), c.first == &TForm1::SpeedButton1 ? 2u : 1u) << c.name;
    EXPECT_EQ(form->Label6->Caption(), c.status) << c.name;
  }
}

TEST_F(TransferGuardTest, PortChangeWaitsForTheTransfer) {
  app->Post([&] {
    Pick(*form->ComboBox1, 4);
    EXPECT_TRUE(form->PortChangePending);
  });
  form->SpeedButton1->Click();
  EXPECT_EQ(form->Label6->Caption(), L"燒錄成功");
  const auto& calls = port.Calls();
  // The exchange ran undisturbed on the old port; the change came after it.
  ASSERT_EQ(calls.size(), 1u + 17 + 1 + 1 + 32 * 17 + 2);
  EXPECT_EQ(calls[calls.size() - 2].op, Op::Close);
  EXPECT_EQ(calls.back().op, Op::Open);
  EXPECT_EQ(calls.back().device, "\\\\.\\COM5");
  EXPECT_STREQ(form->ComDeviceName, "\\\\.\\COM5");
  EXPECT_FALSE(form->PortChangePending);
  EXPECT_FALSE(form->TransferRunning);
}

TEST_F(TransferGuardTest, FileButtonsWaitOutATransfer) {
  tk::headless::AnswerDialog(*form->OpenDialog1, L"/no/such/folder/other.SPD");
  tk::headless::AnswerDialog(*form->SaveDialog1, L"/no/such/folder/saved.SPD");
  app->Post([&] {
    form->SpeedButtonOpen->Click();
    form->SpeedButtonSave->Click();
  });
  form->SpeedButton1->Click();
  EXPECT_EQ(form->Label6->Caption(), L"燒錄成功");
  EXPECT_EQ(form->Caption(), L"Kestrune");
  // The dialogs were never shown: their answers are still waiting for the next press.
  form->SpeedButtonOpen->Click();
  EXPECT_EQ(form->Caption(), L"Lumeth - other.SPD (開檔失敗)");
}

TEST_F(TransferGuardTest, CloseDuringATransferStoresTheIndexAndEndsAfterIt) {
  Pick(*form->ComboBox1, 2);
  port.ClearCalls();
  bool ran_close = false;
  app->Post([&] {
    form->Close();
    ran_close = true;
    EXPECT_EQ(registry.Get(serial::RegRoot::LocalMachine, kKey, kValue),
              serial::MemoryRegistry::Value{2u});
  });
  form->SpeedButton1->Click();
  EXPECT_TRUE(ran_close);
  EXPECT_TRUE(app->Terminated());
  EXPECT_EQ(form->Label6->Caption(), L"燒錄成功");
  EXPECT_EQ(CallsOf(Op::Write).size(), 17u + 32 * 17);
  EXPECT_TRUE(port.Held());
}
