// The dialog that asks before an existing .SPD file is replaced.
#pragma once

#include "files/file_io.h"
#include "toolkit/toolkit.h"

class TForm1;

class TForm2 : public tk::Form {
 public:
  TForm2(tk::Application& app, TForm1& form1, files::FileSystem& fs = files::NativeFileSystem());

  // Confirm: writes the image over the file chosen last in the save dialog, then closes.
  void Button1Click(tk::Control* Sender);
  // Cancel: closes; nothing is written.
  void Button2Click(tk::Control* Sender);

  tk::Label* Label1;  // the file's name
  tk::Label* Label2;  // the question
  tk::Button* Button1;
  tk::Button* Button2;

 private:
  TForm1& form1_;
  files::FileSystem& fs_;
};
