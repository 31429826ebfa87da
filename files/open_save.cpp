#include "files/open_save.h"

#include <span>

#include "app/unit1.h"
#include "files/image_file.h"
#include "files/unit2.h"

namespace files {

namespace {

std::span<std::uint8_t> FilePart(TForm1& form) {
  return {form.SpdImage.data(), kFileImageSize};
}

}  // namespace

void OpenImage(TForm1& form, FileSystem& fs) {
  form.OpenDialog1->SetFilterIndex(1);
  if (!form.OpenDialog1->Execute()) return;
  form.SpdFilePath = form.OpenDialog1->FileName();
  form.SetCaption(kOpenPrefix + FileNameOf(form.SpdFilePath));
  // A file that cannot be read leaves the image and the editors as they were.
  if (!LoadImageFile(fs, form.SpdFilePath, FilePart(form))) {
    form.SetCaption(FileCaption(kOpenPrefix, form.SpdFilePath, false, kOpenFailed));
    return;
  }
  ShowImageOnForm(form);
}

void SaveImage(TForm1& form, FileSystem& fs) {
  if (!form.SaveDialog1->Execute()) return;
  form.SpdFilePath = form.SaveDialog1->FileName();
  // Existence by metadata: a file we may not read is still asked about, never replaced silently.
  if (fs.Probe(form.SpdFilePath) == PathKind::File) {
    if (!form.Form2) return;
    form.Form2->Label1->SetCaption(FileNameOf(form.SpdFilePath));
    form.Form2->Label2->SetCaption(kExistsQuestion);
    form.Form2->ShowModal();
    return;
  }
  const bool saved = SaveImageFile(fs, form.SpdFilePath, FilePart(form));
  form.SetCaption(FileCaption(kOpenPrefix, form.SpdFilePath, saved, kSaveFailed));
}

}  // namespace files

// During a transfer the file dialogs would hold up its pacing, and an open would swap the image
// under a write half-way through: both buttons wait until the transfer has returned.
void TForm1::SpeedButtonOpenClick(tk::Control*) {
  if (TransferRunning) return;
  files::OpenImage(*this, files::NativeFileSystem());
}

void TForm1::SpeedButtonSaveClick(tk::Control*) {
  if (TransferRunning) return;
  files::SaveImage(*this, files::NativeFileSystem());
}
