// The small per-control state changes that both backends share.
#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/combo_box.h"
#include "toolkit/edit.h"
#include "toolkit/file_dialog.h"
#include "toolkit/label.h"
#include "toolkit/picture.h"
#include "toolkit/progress_bar.h"
#include "toolkit/tab_control.h"

namespace tk {

void Label::SetAutoSize(bool on) {
  auto_size_ = on;
  Push(Aspect::Bounds);
}

std::string Edit::Text() const {
  Pull(Aspect::Text);
  return text_;
}

void Edit::SetText(std::string text) {
  text_ = std::move(text);
  Push(Aspect::Text);
}

void Edit::SetMaxLength(int length) {
  max_length_ = length;
  Push(Aspect::MaxLength);
}

void Edit::SetFlat(bool flat) {
  flat_ = flat;
  Push(Aspect::Flat);
}

std::string Edit::Bounded(const std::string& typed) const {
  std::string text = Text() + typed;
  if (max_length_ > 0 && text.size() > static_cast<size_t>(max_length_)) text.resize(max_length_);
  return text;
}

void ComboBox::AddItem(std::wstring item) {
  items_.push_back(std::move(item));
  Push(Aspect::Items);
}

int ComboBox::ItemIndex() const {
  Pull(Aspect::ItemIndex);
  return item_index_;
}

void ComboBox::SetItemIndex(int index) {
  item_index_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  text_ = item_index_ >= 0 ? items_[item_index_] : std::wstring();
  Push(Aspect::ItemIndex);
}

std::wstring ComboBox::Text() const {
  Pull(Aspect::Text);
  return text_;
}

void ComboBox::UserSelected(int index) {
  item_index_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  text_ = item_index_ >= 0 ? items_[item_index_] : std::wstring();
  Fire(OnChange);
}

void ComboBox::UserTyped(std::wstring text) {
  text_ = std::move(text);
  item_index_ = -1;
}

void TabControl::SetTabs(std::vector<std::wstring> tabs) {
  tabs_ = std::move(tabs);
  Push(Aspect::Tabs);
}

int TabControl::TabIndex() const {
  Pull(Aspect::TabIndex);
  return tab_index_;
}

void TabControl::UserSelected(int index) {
  if (index == tab_index_ || index < 0 || index >= static_cast<int>(tabs_.size())) return;
  tab_index_ = index;
  Push(Aspect::TabIndex);
  Fire(OnChange);
}

void Picture::SetPicture(int width, int height, Painter painter) {
  pic_width_ = width;
  pic_height_ = height;
  painter_ = std::move(painter);
  Push(Aspect::Picture);
}

void Button::SetGlyph(int width, int height, Painter painter) {
  glyph_width_ = width;
  glyph_height_ = height;
  glyph_ = std::move(painter);
  Push(Aspect::Picture);
}

void Button::Click() {
  if (Enabled()) Fire(OnClick);
}

void ProgressBar::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  Push(Aspect::Range);
}

void ProgressBar::SetPosition(int position) {
  position_ = position;
  Push(Aspect::Position);
}

bool FileDialog::Execute() {
  return backend::RunFileDialog(*this);
}

}  // namespace tk
