// The port list, the device path of the selection and opening the port.
#include <gtest/gtest.h>

#include <cstring>

#include "support/serial_form_fixture.h"
#include "toolkit/headless/operator.h"

using Op = PortCall::Op;
using tk::headless::Pick;

TEST_F(SerialFormTest, PortListHoldsCom1ToCom49) {
  Start();
  const auto& items = form->ComboBox1->Items();
  ASSERT_EQ(items.size(), 49u);
  EXPECT_EQ(items[0], L"COM1");
  EXPECT_EQ(items[8], L"COM9");
  EXPECT_EQ(items[9], L"COM10");
  EXPECT_EQ(items[48], L"COM49");
}

TEST_F(SerialFormTest, SelectionGivesTheDevicePath) {
  struct Case {
    int index;
    const char* path;
  };
  const Case cases[] = {{0, "\\\\.\\COM1"},   {8, "\\\\.\\COM9"},  {9, "\\\\.\\COM10"},
                        {48, "\\\\.\\COM49"}, {-1, "\\\\.\\COM0"}, {3, "\\\\.\\COM4"}};
  Start();
  for (const Case& c : cases) {
    port.ClearCalls();
    Pick(*form->ComboBox1, c.index);
    EXPECT_STREQ(form->ComDeviceName, c.path) << c.index;
    // Only characters 7 and 8 change; the tail stays zero.
    EXPECT_EQ(std::memcmp(form->ComDeviceName, "\\\\.\\COM", 7), 0);
    for (int i = 9; i < 15; ++i) EXPECT_EQ(form->ComDeviceName[i], 0) << c.index;
    ASSERT_EQ(port.Calls().size(), 2u) << c.index;
    EXPECT_EQ(port.Calls()[0].op, Op::Close);
    EXPECT_EQ(port.Calls()[1].op, Op::Open);
    EXPECT_EQ(port.Calls()[1].device, c.path);
  }
}

TEST_F(SerialFormTest, OpenOutcomeShowsInThePortStatus) {
  port.SetOpenResult("\\\\.\\COM3", false);
  Start();
  EXPECT_TRUE(form->PortOpen);
  EXPECT_EQ(form->Label18->Caption(), L"COM Port 開啟中");
  Pick(*form->ComboBox1, 2);
  EXPECT_FALSE(form->PortOpen);
  EXPECT_EQ(form->Label18->Caption(), L"COM Port 無法開啟");
  // Picking the port already held works: it is closed before it is opened again.
  Pick(*form->ComboBox1, 1);
  Pick(*form->ComboBox1, 1);
  EXPECT_TRUE(form->PortOpen);
  EXPECT_EQ(form->Label18->Caption(), L"COM Port 開啟中");
  EXPECT_TRUE(port.Held());
}

TEST_F(SerialFormTest, StartUpOpensThePortTwice) {
  Start();
  std::vector<Op> ops;
  for (const PortCall& call : port.Calls()) ops.push_back(call.op);
  EXPECT_EQ(ops, (std::vector<Op>{Op::Close, Op::Open, Op::Close, Op::Open}));
  EXPECT_EQ(port.Calls()[3].device, "\\\\.\\COM1");
}

TEST_F(SerialFormTest, StartUpWithAPortThatDoesNotOpenSkipsTheClose) {
  port.SetDefaultOpenResult(false);
  Start();
  std::vector<Op> ops;
  for (const PortCall& call : port.Calls()) ops.push_back(call.op);
  EXPECT_EQ(ops, (std::vector<Op>{Op::Close, Op::Open, Op::Open}));
  EXPECT_FALSE(form->PortOpen);
  EXPECT_EQ(form->Label18->Caption(), L"COM Port 無法開啟");
  // Start-up still ran to the end.
  EXPECT_EQ(form->SpeedButton1->GetFont().size, 14);
  EXPECT_EQ(form->ComboBox12->ItemIndex(), 0);
}
