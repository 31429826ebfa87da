// The overwrite dialog as laid out: hidden until asked, its title, labels and buttons.
#include <gtest/gtest.h>

#include "files/unit2.h"
#include "support/form_fixture.h"

TEST_F(FormTest, OverwriteDialogIsLaidOutAsDesigned) {
  TForm2 form2(harness.app, *form);
  EXPECT_FALSE(form2.Visible());
  EXPECT_EQ(form2.Caption(), L"覆蓋檔案");
  EXPECT_EQ(form2.ScreenPos().x, 308);
  EXPECT_EQ(form2.ScreenPos().y, 259);
  ASSERT_TRUE(form2.OuterSize());
  EXPECT_EQ(form2.OuterSize()->x, 260);
  EXPECT_EQ(form2.OuterSize()->y, 165);

  const struct {
    tk::Control* control;
    tk::Rect bounds;
    std::wstring caption;
    int font_size;
  } cases[] = {
      {form2.Label1, {16, 16, 209, 25}, L"", 10},
      {form2.Label2, {8, 48, 217, 25}, L"", 10},
      {form2.Button1, {40, 88, 65, 33}, L"確認", 8},
      {form2.Button2, {136, 88, 65, 33}, L"放棄", 8},
  };
  // Tab order follows creation order.
  ASSERT_EQ(form2.Children().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.control->Name());
    EXPECT_EQ(form2.Children()[i].get(), c.control);
    EXPECT_EQ(c.control->Bounds(), c.bounds);
    EXPECT_EQ(c.control->Caption(), c.caption);
    EXPECT_EQ(c.control->GetFont(), (tk::Font{L"MS Sans Serif", c.font_size, false, tk::kBlack}));
  }
  // Unlike the main window's buttons, the dialog's are reached from the keyboard.
  EXPECT_TRUE(form2.Button1->Focusable());
  EXPECT_TRUE(form2.Button2->Focusable());
  EXPECT_FALSE(form->SpeedButton1->Focusable());
  EXPECT_FALSE(form2.Label1->AutoSize());
  EXPECT_FALSE(form2.Label2->AutoSize());
}
