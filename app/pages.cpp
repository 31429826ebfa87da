// The three pages share the tab control's one client area; a page is the set of containers shown.
#include "app/unit1.h"

void ShowCells(TForm1& form, bool visible) {
  for (tk::Edit* cell : form.CellEdits) cell->SetVisible(visible);
}

void ShowPage(TForm1& form) {
  switch (form.TabControl1->TabIndex()) {
    case 0:
      ShowCells(form, false);
      form.Panel1->SetVisible(true);
      form.Panel2->SetVisible(true);
      form.GroupBox1->SetVisible(true);
      form.Panel3->SetVisible(false);
      form.Panel5->SetVisible(false);
      form.Panel8->SetVisible(false);
      break;
    case 1:
      form.Panel1->SetVisible(false);
      form.GroupBox1->SetVisible(false);
      form.Panel3->SetVisible(true);
      form.Panel5->SetVisible(true);
      form.Panel8->SetVisible(false);
      ShowCells(form, true);
      break;
    case 2:
      form.Panel1->SetVisible(false);
      form.GroupBox1->SetVisible(false);
      form.Panel3->SetVisible(true);
      form.Panel5->SetVisible(false);
      form.Panel8->SetVisible(true);
      ShowCells(form, true);
      break;
    default:
      break;
  }
}

void TForm1::TabControl1Change(tk::Control*) {
  ShowPage(*this);
}
