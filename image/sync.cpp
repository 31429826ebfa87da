// Copying between the window's editors and SpdImage.
#include <cstdint>

#include "app/unit1.h"
#include "image/codec.h"

namespace {

constexpr int kBaudRateOffset = 288;
constexpr int kLinkageOffset = 144;
constexpr int kDataPage = 1;

}  // namespace

void CollectImageFromForm(TForm1& form) {
  if (form.TabControl1->TabIndex() == kDataPage) {
    const bool hex = form.HexMode == 1;
    for (int i = 0; i < kCellCount; ++i) {
      form.SpdImage[i] = ByteFromCellText(form.CellEdits[i]->Text(), hex);
    }
  }
  // -1, no selection, is kept as its low byte 255.
  form.SpdImage[kBaudRateOffset] = static_cast<std::uint8_t>(form.ComboBox13->ItemIndex());
  for (int n = 0; n < 9; ++n) {
    form.SpdImage[kLinkageOffset + n] =
        static_cast<std::uint8_t>(form.LinkageBoxes[n]->ItemIndex());
  }
}

void ShowImageOnForm(TForm1& form) {
  const bool hex = form.HexMode == 1;
  for (int i = 0; i < kCellCount; ++i) {
    form.CellEdits[i]->SetText(CellTextFromByte(form.SpdImage[i], hex));
  }
  form.ComboBox13->SetItemIndex(form.SpdImage[kBaudRateOffset]);
  for (int n = 0; n < 9; ++n) form.LinkageBoxes[n]->SetItemIndex(form.SpdImage[kLinkageOffset + n]);
}

void TForm1::FormMouseMove(tk::Control* Sender, int X, int Y) {
  GroupBox3MouseMove(Sender, X, Y);
}

void TForm1::GroupBox3MouseMove(tk::Control*, int, int) {
  CollectImageFromForm(*this);
}

void TForm1::SpeedButtonHEXClick(tk::Control*) {
  HexMode = 1;
  ShowImageOnForm(*this);
}

void TForm1::SpeedButtonACSIIClick(tk::Control*) {
  HexMode = 0;
  ShowImageOnForm(*this);
}
