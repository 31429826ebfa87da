#include "files/unit2.h"

#include <span>

#include "app/unit1.h"
#include "files/image_file.h"

namespace {

// The layout's own title is a leftover from another dialog; this one names what it asks about.
constexpr wchar_t kTitle[] = L"覆蓋檔案";

constexpr int kOuterWidth = 260;
constexpr int kOuterHeight = 165;

tk::Font LabelFont() {
  tk::Font font;
  font.size = 10;  // 13 pixels high
  return font;
}

tk::Label* AddLabel(TForm2& form, const char* name, int left, int top, int width) {
  auto* label = form.Add<tk::Label>(name);
  label->SetAutoSize(false);
  label->SetFont(LabelFont());
  label->SetBounds(left, top, width, 25);
  return label;
}

}  // namespace

TForm2::TForm2(tk::Application& app, TForm1& form1, files::FileSystem& fs)
    : tk::Form(app, "Form2"), form1_(form1), fs_(fs) {
  SetCaption(kTitle);
  SetFont(tk::Font{});
  SetScreenPos(308, 259);
  SetOuterSize(kOuterWidth, kOuterHeight);

  Label1 = AddLabel(*this, "Label1", 16, 16, 209);
  Label2 = AddLabel(*this, "Label2", 8, 48, 217);

  Button1 = Add<tk::Button>("Button1");
  Button1->SetBounds(40, 88, 65, 33);
  Button1->SetCaption(L"確認");
  Button1->SetFocusable(true);
  Button1->OnClick = [this](tk::Control* sender) { Button1Click(sender); };

  Button2 = Add<tk::Button>("Button2");
  Button2->SetBounds(136, 88, 65, 33);
  Button2->SetCaption(L"放棄");
  Button2->SetFocusable(true);
  Button2->OnClick = [this](tk::Control* sender) { Button2Click(sender); };
}

void TForm2::Button1Click(tk::Control*) {
  form1_.SpdFilePath = form1_.SaveDialog1->FileName();
  const bool saved = files::SaveImageFile(fs_, form1_.SpdFilePath,
                                          std::span(form1_.SpdImage.data(), files::kFileImageSize));
  form1_.SetCaption(
      files::FileCaption(files::kOverwritePrefix, form1_.SpdFilePath, saved, files::kSaveFailed));
  Close();
}

void TForm2::Button2Click(tk::Control*) {
  Close();
}
