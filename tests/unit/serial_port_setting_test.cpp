// The stored port index: restored at start-up, stored at every close.
#include <gtest/gtest.h>

#include "support/serial_form_fixture.h"
#include "toolkit/headless/operator.h"

using serial::MemoryRegistry;
using serial::RegRoot;
using tk::headless::Pick;

namespace {

constexpr RegRoot kMachine = RegRoot::LocalMachine;
constexpr RegRoot kUser = RegRoot::CurrentUser;

}  // namespace

class PortSettingTest : public SerialFormTest {
 protected:
  std::optional<MemoryRegistry::Value> Stored(RegRoot root) const {
    return registry.Get(root, kKey, kValue);
  }
  static MemoryRegistry::Value Dword(std::uint32_t v) { return MemoryRegistry::Value{v}; }
  std::string LastOpened() const { return CallsOf(PortCall::Op::Open).back().device; }
};

TEST_F(PortSettingTest, FirstRunSelectsCom1AndStoresZero) {
  Start();
  EXPECT_TRUE(registry.KeyExists(kMachine, kKey));
  EXPECT_EQ(Stored(kMachine), Dword(0));
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);
  EXPECT_EQ(LastOpened(), "\\\\.\\COM1");
  EXPECT_EQ(form->Label6->Caption(), L":");
}

TEST_F(PortSettingTest, StoredIndexSelectsAndOpensItsPort) {
  registry.PutDword(kMachine, kKey, kValue, 5);
  Start();
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 5);
  EXPECT_EQ(LastOpened(), "\\\\.\\COM6");
  EXPECT_EQ(registry.Changes(), 0);
}

TEST_F(PortSettingTest, IndexWithoutAnItemLeavesNoSelectionAndStoresMinusOne) {
  for (std::uint32_t stored : {60u, 0xFFFFFFFFu}) {
    registry.PutDword(kMachine, kKey, kValue, stored);
    port.SetOpenResult("\\\\.\\COM0", false);
    Restart();
    EXPECT_EQ(form->ComboBox1->ItemIndex(), -1) << stored;
    EXPECT_EQ(LastOpened(), "\\\\.\\COM0");
    EXPECT_EQ(form->Label18->Caption(), L"COM Port 無法開啟");
    form->Close();
    EXPECT_EQ(Stored(kMachine), Dword(0xFFFFFFFFu)) << stored;
  }
}

TEST_F(PortSettingTest, ValueOfAnotherTypeIsReplaced) {
  registry.PutString(kMachine, kKey, kValue, L"7");
  Start();
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);
  EXPECT_EQ(Stored(kMachine), Dword(0));
}

TEST_F(PortSettingTest, CloseStoresThePickedPortForTheNextStart) {
  Start();
  Pick(*form->ComboBox1, 11);
  form->SpeedButton3->Click();
  EXPECT_TRUE(app->Terminated());
  EXPECT_EQ(Stored(kMachine), Dword(11));
  Restart();
  EXPECT_EQ(form->ComboBox1->Text(), L"COM12");
  EXPECT_EQ(LastOpened(), "\\\\.\\COM12");
}

// A standard user may read the machine-wide key but not write it.
TEST_F(PortSettingTest, StandardUserKeepsTheChoiceUnderTheCurrentUser) {
  registry.PutDword(kMachine, kKey, kValue, 3);
  registry.SetAccess(kMachine, MemoryRegistry::Access::ReadOnly);
  Start();
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 3);
  Pick(*form->ComboBox1, 11);
  form->Close();
  EXPECT_EQ(Stored(kMachine), Dword(3));
  EXPECT_EQ(Stored(kUser), Dword(11));
  EXPECT_EQ(form->Label6->Caption(), L":");
  Restart();
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 11);
}

TEST_F(PortSettingTest, StandardUserFirstRunStoresUnderTheCurrentUser) {
  registry.SetAccess(kMachine, MemoryRegistry::Access::Missing);
  Start();
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);
  EXPECT_EQ(Stored(kUser), Dword(0));
  EXPECT_FALSE(registry.KeyExists(kMachine, kKey));
}

// The per-user copy is newer than the machine-wide value until a machine-wide write succeeds.
TEST_F(PortSettingTest, NewestChoiceWinsAcrossBothRoots) {
  registry.PutDword(kMachine, kKey, kValue, 3);
  registry.PutDword(kUser, kKey, kValue, 7);
  Start();
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 7);
  Pick(*form->ComboBox1, 20);
  form->Close();
  EXPECT_EQ(Stored(kMachine), Dword(20));
  EXPECT_FALSE(Stored(kUser).has_value());
  Restart();
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 20);
}

TEST_F(PortSettingTest, PerUserValueOfAnotherTypeFallsBackToTheMachineValue) {
  registry.PutDword(kMachine, kKey, kValue, 4);
  registry.PutString(kUser, kKey, kValue, L"x");
  Start();
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 4);
}

TEST_F(PortSettingTest, SettingThatCanBeNeitherReadNorWrittenStillLetsTheProgramRun) {
  registry.SetAccess(kMachine, MemoryRegistry::Access::Missing);
  registry.SetAccess(kUser, MemoryRegistry::Access::Missing);
  Start();
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);
  EXPECT_EQ(LastOpened(), "\\\\.\\COM1");
  EXPECT_EQ(form->Label6->Caption(), L"設定無法儲存");
  // The rest of start-up ran.
  EXPECT_NE(form->CellEdits[255], nullptr);
  EXPECT_EQ(form->Panel8->Bounds(), (tk::Rect{8, 420, 665, 126}));
  form->SpeedButton3->Click();
  EXPECT_TRUE(app->Terminated());
  EXPECT_TRUE(app->ShownErrors().empty());
}
