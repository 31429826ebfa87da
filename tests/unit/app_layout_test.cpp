// The main window as the operator first sees it, and its pages.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "image/cell_grid.h"
#include "support/form_fixture.h"

using tk::headless::PickTab;

TEST_F(FormTest, FirstView) {
  EXPECT_EQ(form->Caption(), L"Kestrune");
  EXPECT_EQ(form->ClientWidth(), 913);
  EXPECT_EQ(form->ClientHeight(), 662);
  EXPECT_EQ(form->TabControl1->Tabs(),
            (std::vector<std::wstring>{L"主畫面", L"SPD Data", L"SPD 說明"}));
  EXPECT_EQ(form->TabControl1->TabIndex(), 0);
  EXPECT_TRUE(form->GroupBox1->Visible());
  EXPECT_TRUE(form->Panel1->Visible());
  EXPECT_TRUE(form->Panel2->Visible());
  for (tk::Edit* cell : form->CellEdits) EXPECT_FALSE(cell->Visible());
  for (tk::ComboBox* box : form->LinkageBoxes) EXPECT_EQ(box->Text(), L"無連動");
  EXPECT_EQ(form->ComboBox13->Text(), L"9600");
  EXPECT_EQ(form->Label6->Caption(), L":");
  EXPECT_EQ(form->ProgressBar1->Position(), 0);
  EXPECT_EQ(form->ProgressBar1->Max(), 128);
  EXPECT_EQ(form->ComboBox1->Items().size(), 49u);
}

TEST_F(FormTest, CreationFinishesTheLayout) {
  EXPECT_EQ(form->Panel3->Bounds(), (tk::Rect{8, 40, 665, 370}));
  EXPECT_EQ(form->Panel5->Bounds(), (tk::Rect{8, 420, 665, 126}));
  EXPECT_EQ(form->Panel8->Bounds(), (tk::Rect{8, 420, 665, 126}));
  for (tk::Panel* p : {form->Panel3, form->Panel5, form->Panel8}) EXPECT_EQ(p->Caption(), L"");
  for (tk::Button* b : {form->SpeedButton1, form->SpeedButton2, form->SpeedButton3}) {
    EXPECT_EQ(b->GetFont().size, 14);
    EXPECT_TRUE(b->GetFont().bold);
  }
  EXPECT_EQ(form->SpeedButton3->GetFont().color, tk::kRed);
  EXPECT_EQ(form->GroupBox1->Caption(), L"Resoult of Module  Test");
  EXPECT_EQ(form->KeyCaptions[4]->Caption(), L"筆計型電腦(K5)");
  EXPECT_EQ(form->KeyCaptions[4]->Bounds(), (tk::Rect{360, 144, 105, 16}));
  EXPECT_EQ(form->ComboBox12->Bounds(), (tk::Rect{480, 288, 105, 21}));
  EXPECT_EQ(form->Code2Edits[8]->Name(), "Edit26");
  EXPECT_EQ(form->Code2Edits[8]->Bounds(), (tk::Rect{480, 346, 105, 21}));
  EXPECT_EQ(form->Label6->GetFont().size, 10);
  EXPECT_EQ(form->Label29->Caption(), L"開機行程1 : 投影機ON + 布幕下 + Relay_Out ON");
}

TEST_F(FormTest, CellsStandOnTheTabControlAtTheirPositions) {
  const int lefts[16] = {74,  108, 142, 176, 211, 245, 279, 314,
                         348, 382, 416, 451, 485, 519, 554, 588};
  const int tops[16] = {70,  89,  107, 126, 145, 163, 182, 200,
                        219, 238, 256, 275, 293, 312, 331, 349};
  std::set<std::string> names;
  for (int i = 0; i < kCellCount; ++i) {
    tk::Edit* cell = form->CellEdits[i];
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->Parent(), form->TabControl1);
    EXPECT_EQ(cell->Bounds(), (tk::Rect{lefts[i % 16], tops[i / 16], 38, 21})) << i;
    EXPECT_EQ(cell->Name(), "E" + std::to_string(i));
    EXPECT_EQ(cell->MaxLength(), 2);
    EXPECT_TRUE(cell->Flat());
    EXPECT_EQ(cell->GetFont().size, 10);
    EXPECT_EQ(cell->GetFont().color, tk::kBlue);
    EXPECT_EQ(cell->Text(), "00");
    names.insert(cell->Name());
  }
  EXPECT_EQ(names.size(), 256u);
}

TEST_F(FormTest, ATypedCellKeepsTwoCharacters) {
  tk::headless::Type(*form->CellEdits[3], "ABC");
  EXPECT_EQ(form->CellEdits[3]->Text(), "AB");
}

struct PageCase {
  int tab;
  bool group_box1, panel1, panel3, panel5, panel8, cells;
};

class PageTest : public FormTest, public testing::WithParamInterface<PageCase> {};

TEST_P(PageTest, EachPageShowsItsContainers) {
  const PageCase& c = GetParam();
  // Arrive from another page so that every container changes.
  PickTab(*form->TabControl1, c.tab == 1 ? 2 : 1);
  PickTab(*form->TabControl1, c.tab);
  EXPECT_EQ(form->GroupBox1->Visible(), c.group_box1);
  EXPECT_EQ(form->Panel1->Visible(), c.panel1);
  EXPECT_TRUE(form->Panel2->Visible());
  EXPECT_EQ(form->Panel3->Visible(), c.panel3);
  EXPECT_EQ(form->Panel5->Visible(), c.panel5);
  EXPECT_EQ(form->Panel8->Visible(), c.panel8);
  for (tk::Edit* cell : form->CellEdits) ASSERT_EQ(cell->Visible(), c.cells);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageTest,
                         testing::Values(PageCase{0, true, true, false, false, false, false},
                                         PageCase{1, false, false, true, true, false, true},
                                         PageCase{2, false, false, true, false, true, true}));

TEST_F(FormTest, SwitchingPagesKeepsWhatWasTyped) {
  PickTab(*form->TabControl1, 1);
  tk::headless::Type(*form->CellEdits[17], "5A");
  PickTab(*form->TabControl1, 0);
  PickTab(*form->TabControl1, 1);
  EXPECT_EQ(form->CellEdits[17]->Text(), "5A");
  EXPECT_EQ(form->SpdImage[17], 0);
}

TEST_F(FormTest, PicturesHaveTheirSizes) {
  EXPECT_EQ(form->Image1->PictureWidth(), 120);
  EXPECT_EQ(form->Image1->PictureHeight(), 109);
  EXPECT_EQ(form->Image2->PictureWidth(), 604);
  EXPECT_EQ(form->Image3->PictureHeight(), 308);
  for (tk::Button* b : {form->SpeedButtonOpen, form->SpeedButtonSave, form->SpeedButtonHEX,
                        form->SpeedButtonACSII}) {
    EXPECT_TRUE(b->HasGlyph());
    EXPECT_EQ(b->Caption(), L"");
  }
}
