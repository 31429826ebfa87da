// Behaviour of the control model that the window logic relies on, on the headless backend.
#include <gtest/gtest.h>

#include <stdexcept>

#include "toolkit/headless/operator.h"
#include "toolkit/toolkit.h"

namespace {

struct ToolkitTest : testing::Test {
  tk::Application app;
  tk::Form form{app, "Main"};
  void SetUp() override { app.SetMainForm(&form); }
};

}  // namespace

TEST_F(ToolkitTest, AnExceptionInAHandlerGoesToTheErrorBoxAndTheProgramGoesOn) {
  auto* button = form.Add<tk::Button>("B");
  int clicks = 0;
  button->OnClick = [&](tk::Control*) {
    ++clicks;
    if (clicks == 1) throw std::runtime_error("Index out of range");
    if (clicks == 2) throw 42;
  };
  button->Click();
  button->Click();
  button->Click();
  EXPECT_EQ(clicks, 3);
  ASSERT_EQ(app.ShownErrors().size(), 2u);
  EXPECT_EQ(app.ShownErrors()[0], L"Index out of range.");
  EXPECT_EQ(app.ShownErrors()[1], L"Unexpected error.");
  EXPECT_FALSE(app.Terminated());
}

TEST_F(ToolkitTest, OnlyTheOperatorsChoiceRaisesChangeEvents) {
  auto* combo = form.Add<tk::ComboBox>("C");
  for (const wchar_t* item : {L"a", L"b", L"c"}) combo->AddItem(item);
  auto* tabs = form.Add<tk::TabControl>("T");
  tabs->SetTabs({L"x", L"y"});
  int combo_changes = 0, tab_changes = 0;
  combo->OnChange = [&](tk::Control*) { ++combo_changes; };
  tabs->OnChange = [&](tk::Control*) { ++tab_changes; };

  combo->SetItemIndex(2);
  EXPECT_EQ(combo_changes, 0);
  tk::headless::Pick(*combo, 1);
  EXPECT_EQ(combo_changes, 1);
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SetItemIndex(7);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), L"");

  tk::headless::PickTab(*tabs, 0);  // already selected
  EXPECT_EQ(tab_changes, 0);
  tk::headless::PickTab(*tabs, 1);
  EXPECT_EQ(tab_changes, 1);
}

TEST_F(ToolkitTest, ClosingTheMainFormEndsTheLoopOnlyWhenTheHandlerAllows) {
  int closes = 0;
  tk::CloseAction next = tk::CloseAction::None;
  form.OnClose = [&](tk::Control*, tk::CloseAction& action) {
    ++closes;
    if (next == tk::CloseAction::None) action = next;
  };
  form.Close();
  EXPECT_FALSE(app.Terminated());
  next = tk::CloseAction::Free;
  form.Close();
  EXPECT_EQ(closes, 2);
  EXPECT_TRUE(app.Terminated());
}

TEST_F(ToolkitTest, AModalFormLeftOpenIsClosedAsByItsCloseBox) {
  tk::Form dialog(app, "Dialog");
  int closes = 0;
  dialog.OnClose = [&](tk::Control*, tk::CloseAction&) { ++closes; };
  dialog.ShowModal();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(app.Terminated());

  // A button pressed while it is shown closes it once.
  auto* ok = dialog.Add<tk::Button>("OK");
  ok->OnClick = [&](tk::Control*) { dialog.Close(); };
  app.Post([&] { ok->Click(); });
  dialog.ShowModal();
  EXPECT_EQ(closes, 2);
}

TEST_F(ToolkitTest, PointerOverAChildDoesNotReachTheForm) {
  form.SetClientSize(200, 100);
  auto* label = form.Add<tk::Label>("L");
  label->SetBounds(10, 10, 50, 20);
  int moves = 0;
  form.OnMouseMove = [&](tk::Control*, int, int) { ++moves; };
  tk::headless::MovePointer(form, 20, 15);
  EXPECT_EQ(moves, 0);
  label->SetVisible(false);
  tk::headless::MovePointer(form, 20, 15);
  EXPECT_EQ(moves, 1);
}

TEST(Text, WideAndUtf8RoundTrip) {
  const std::wstring text = L"燒錄 SPD \U0001F600";
  EXPECT_EQ(tk::Widen(tk::Narrow(text)), text);
  EXPECT_EQ(tk::Narrow(L"abc"), "abc");
  EXPECT_EQ(tk::Widen("\xE9"), L"\xFFFD");
}

TEST_F(ToolkitTest, TabOrderFollowsCreationAcrossContainersAndSkipsWhatCannotTakeFocus) {
  auto* first = form.Add<tk::Edit>("First");
  form.Add<tk::Label>("Label");
  auto* panel = form.Add<tk::Panel>("Panel");
  auto* inner = panel->Add<tk::Edit>("Inner");
  auto* hidden_panel = form.Add<tk::Panel>("HiddenPanel");
  hidden_panel->Add<tk::Edit>("InHiddenPanel");
  hidden_panel->SetVisible(false);
  auto* disabled = form.Add<tk::Edit>("Disabled");
  disabled->SetEnabled(false);
  form.Add<tk::Button>("SpeedButton");  // takes no focus
  auto* button = form.Add<tk::Button>("Focusable");
  button->SetFocusable(true);
  auto* combo = form.Add<tk::ComboBox>("Combo");
  form.Show();

  const std::vector<tk::Control*> forward{first, inner, button, combo, first};
  for (std::size_t i = 0; i + 1 < forward.size(); ++i) {
    EXPECT_EQ(tk::NextTabStop(form, forward[i], false), forward[i + 1]) << i;
    EXPECT_EQ(tk::NextTabStop(form, forward[i + 1], true), forward[i]) << i;
  }
  EXPECT_EQ(tk::NextTabStop(form, nullptr, false), first);
  EXPECT_EQ(tk::NextTabStop(form, panel, true), combo);
  tk::Form empty{app, "Empty"};
  EXPECT_EQ(tk::NextTabStop(empty, nullptr, false), nullptr);
}
