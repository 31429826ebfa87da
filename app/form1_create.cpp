// Bringing the main window into its working state, and ending the program.
#include "app/unit1.h"

void TForm1::FormCreate(tk::Control*) {
  FillPortList(*this);
  LoadPara();
  ComboBox1Change(this);
  CreateCells(*this);
  ShowImageOnForm(*this);
  if (PortOpen) CommHandle.Close();
  OpenCommPort(*this);
  SpeedButton1->SetFontSize(14);
  SpeedButton2->SetFontSize(14);
  SpeedButton3->SetFontSize(14);
  Panel3->SetBounds(8, 40, 665, 370);
  Panel3->SetCaption(L"");
  Panel5->SetBounds(8, 420, 665, 126);
  Panel5->SetCaption(L"");
  Panel8->SetBounds(8, 420, 665, 126);
  Panel8->SetCaption(L"");
  for (tk::ComboBox* box : LinkageBoxes) box->SetItemIndex(0);
  ShowPage(*this);
}

void TForm1::FormClose(tk::Control*, tk::CloseAction&) {
  SavePara();
}

void TForm1::SpeedButton3Click(tk::Control*) {
  Close();
}
