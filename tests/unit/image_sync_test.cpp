// Copying between the window's editors and the image, and what triggers it.
#include <gtest/gtest.h>

#include "support/form_fixture.h"

using tk::headless::MovePointer;
using tk::headless::Pick;
using tk::headless::PickTab;
using tk::headless::Type;

namespace {

// A point of the band above the tab control that no control covers.
constexpr int kBandX = 500, kBandY = 50;

}  // namespace

TEST_F(FormTest, CollectOnTheMainPageTakesOnlyTheComboBoxes) {
  for (int i = 0; i < 512; ++i) form->SpdImage[i] = static_cast<std::uint8_t>(i * 7 + 3);
  const auto before = form->SpdImage;
  Type(*form->CellEdits[5], "EE");
  Pick(*form->ComboBox6, 3);
  Pick(*form->ComboBox13, 4);
  CollectImageFromForm(*form);
  for (int i = 0; i < 512; ++i) {
    if (i == 288 || (i >= 144 && i <= 152)) continue;
    ASSERT_EQ(form->SpdImage[i], before[i]) << i;
  }
  EXPECT_EQ(form->SpdImage[288], 4);
  EXPECT_EQ(form->SpdImage[146], 3);
  EXPECT_EQ(form->SpdImage[144], 0);
}

TEST_F(FormTest, CollectOnTheDataPageReadsEveryCell) {
  form->SpdImage.fill(0x77);
  PickTab(*form->TabControl1, 1);
  Type(*form->CellEdits[255], "c3");
  CollectImageFromForm(*form);
  for (int i = 0; i < 255; ++i) {
    if (i >= 144 && i <= 152) continue;
    ASSERT_EQ(form->SpdImage[i], 0) << i;
  }
  EXPECT_EQ(form->SpdImage[255], 0xC3);
  EXPECT_EQ(form->SpdImage[288], 0);
  EXPECT_EQ(form->SpdImage[300], 0x77);
}

TEST_F(FormTest, CollectOnTheDescriptionPageLeavesTheCells) {
  PickTab(*form->TabControl1, 2);
  Type(*form->CellEdits[0], "AA");
  CollectImageFromForm(*form);
  EXPECT_EQ(form->SpdImage[0], 0);
  PickTab(*form->TabControl1, 1);
  CollectImageFromForm(*form);
  EXPECT_EQ(form->SpdImage[0], 0xAA);
}

TEST_F(FormTest, LinkageBoxesWinOverGridRowNine) {
  PickTab(*form->TabControl1, 1);
  Pick(*form->ComboBox4, 1);
  Type(*form->CellEdits[144], "12");
  CollectImageFromForm(*form);
  EXPECT_EQ(form->SpdImage[144], 1);
  EXPECT_EQ(form->CellEdits[144]->Text(), "12");
}

TEST_F(FormTest, ComboBytesMapBothWaysIncludingNoSelection) {
  struct Case {
    int byte;
    int index;  // shown selection
    int collected;
  };
  const Case linkage[] = {{0, 0, 0},    {6, 6, 6},      {7, -1, 255},
                          {9, -1, 255}, {254, -1, 255}, {255, -1, 255}};
  for (const Case& c : linkage) {
    form->SpdImage[150] = static_cast<std::uint8_t>(c.byte);
    ShowImageOnForm(*form);
    EXPECT_EQ(form->ComboBox10->ItemIndex(), c.index) << c.byte;
    CollectImageFromForm(*form);
    EXPECT_EQ(form->SpdImage[150], c.collected) << c.byte;
  }
  const Case baud[] = {{4, 4, 4}, {5, -1, 255}, {255, -1, 255}};
  for (const Case& c : baud) {
    form->SpdImage[288] = static_cast<std::uint8_t>(c.byte);
    ShowImageOnForm(*form);
    EXPECT_EQ(form->ComboBox13->ItemIndex(), c.index) << c.byte;
    CollectImageFromForm(*form);
    EXPECT_EQ(form->SpdImage[288], c.collected) << c.byte;
  }
}

TEST_F(FormTest, ShowWritesCellsThenComboBoxes) {
  for (int i = 0; i < 256; ++i) form->SpdImage[i] = static_cast<std::uint8_t>(255 - i);
  form->SpdImage[144] = 2;
  form->SpdImage[288] = 3;
  ShowImageOnForm(*form);
  EXPECT_EQ(form->CellEdits[0]->Text(), "FF");
  EXPECT_EQ(form->CellEdits[255]->Text(), "00");
  EXPECT_EQ(form->CellEdits[144]->Text(), "02");
  EXPECT_EQ(form->ComboBox4->Text(), L"布幕下");
  EXPECT_EQ(form->ComboBox13->Text(), L"57600");
}

TEST_F(FormTest, AsciiModeTurnsDotsIntoZeroOnTheNextCollection) {
  PickTab(*form->TabControl1, 1);
  const std::uint8_t bytes[] = {0x00, 0x2E, 0x41, 0x7E, 0x20};
  for (int i = 0; i < 5; ++i) form->SpdImage[10 + i] = bytes[i];
  form->SpeedButtonACSII->Click();
  EXPECT_EQ(form->HexMode, 0);
  EXPECT_EQ(form->CellEdits[10]->Text(), "");
  EXPECT_EQ(form->CellEdits[11]->Text(), ".");
  EXPECT_EQ(form->CellEdits[12]->Text(), "A");
  CollectImageFromForm(*form);
  const std::uint8_t expected[] = {0x00, 0x00, 0x41, 0x7E, 0x20};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form->SpdImage[10 + i], expected[i]) << i;
}

TEST_F(FormTest, ModeButtonsRebuildTheCellsFromTheImage) {
  PickTab(*form->TabControl1, 1);
  form->SpdImage[20] = 0x41;
  Type(*form->CellEdits[20], "99");
  form->SpeedButtonHEX->Click();
  EXPECT_EQ(form->HexMode, 1);
  EXPECT_EQ(form->CellEdits[20]->Text(), "41");
  form->SpeedButtonACSII->Click();
  EXPECT_EQ(form->CellEdits[20]->Text(), "A");
  form->SpeedButtonHEX->Click();
  EXPECT_EQ(form->CellEdits[20]->Text(), "41");
}

TEST_F(FormTest, OnlyThePointerOverTheFormsOwnSurfaceCollects) {
  PickTab(*form->TabControl1, 1);
  Type(*form->CellEdits[1], "3C");
  struct Spot {
    int x, y;
    const char* what;
  };
  const Spot covered[] = {{20, 20, "Label1"},        {100, 20, "ComboBox1"}, {200, 30, "Label18"},
                          {400, 300, "TabControl1"}, {100, 200, "a cell"},   {720, 400, "Panel2"}};
  for (const Spot& s : covered) {
    MovePointer(*form, s.x, s.y);
    ASSERT_EQ(form->SpdImage[1], 0) << s.what;
  }
  MovePointer(*form, kBandX, kBandY);
  EXPECT_EQ(form->SpdImage[1], 0x3C);
  // The margins right of and below the tab control are the form's own too.
  form->SpdImage[1] = 0;
  MovePointer(*form, 900, 300);
  EXPECT_EQ(form->SpdImage[1], 0x3C);
  form->SpdImage[1] = 0;
  MovePointer(*form, 300, 650);
  EXPECT_EQ(form->SpdImage[1], 0x3C);
}

TEST_F(FormTest, ALinkageChoiceReachesCell144ThroughTheBand) {
  Pick(*form->ComboBox4, 1);
  MovePointer(*form, kBandX, kBandY);
  PickTab(*form->TabControl1, 1);
  form->SpeedButtonHEX->Click();
  EXPECT_EQ(form->CellEdits[144]->Text(), "01");
}
