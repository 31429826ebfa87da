#pragma once

#include <string>

#include "toolkit/control.h"

namespace tk {

// A file open or save dialog. It keeps the chosen path and offers it the next time.
class FileDialog : public Control {
 public:
  enum class Mode { Open, Save };

  FileDialog(Control* parent, std::string name, Mode mode)
      : Control(Kind::FileDialog, parent, std::move(name)), mode_(mode) {
    SetVisible(false);
  }

  Mode mode() const { return mode_; }
  // "Description|pattern|Description|pattern..."; empty for none.
  const std::wstring& Filter() const { return filter_; }
  void SetFilter(std::wstring filter) { filter_ = std::move(filter); }
  // 1-based, as the native dialog counts.
  int FilterIndex() const { return filter_index_; }
  void SetFilterIndex(int index) { filter_index_ = index; }

  const std::wstring& FileName() const { return file_name_; }
  void SetFileName(std::wstring path) { file_name_ = std::move(path); }

  // Shows the dialog modally; true when the operator confirmed a path, now in FileName.
  bool Execute();

 private:
  Mode mode_;
  std::wstring filter_;
  int filter_index_ = 1;
  std::wstring file_name_;
};

namespace backend {
bool RunFileDialog(FileDialog& dialog);
}

}  // namespace tk
