// Base of every control: a named node in its form's tree holding the state both backends share.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/peer.h"
#include "toolkit/types.h"

namespace tk {

class Application;
class Form;

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  Kind kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) {
    name_ = std::move(name);
    Push(Aspect::Name);
  }
  Control* Parent() const { return parent_; }
  const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }
  Form* OwnerForm();
  Application& App();

  // Creates a child owned by this control; the pointer stays valid as long as this control lives.
  template <class T, class... Args>
  T* Add(std::string name, Args&&... args) {
    auto child = std::unique_ptr<T>(new T(this, std::move(name), std::forward<Args>(args)...));
    T* raw = child.get();
    children_.push_back(std::move(child));
    raw->Realize();
    return raw;
  }

  Rect Bounds() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);
  void SetPosition(int left, int top);
  void SetSize(int width, int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible and every ancestor visible.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  void SetFontSize(int points);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);

  Peer* peer() const { return peer_.get(); }

 protected:
  Control(Kind kind, Control* parent, std::string name);
  void Push(Aspect what) {
    if (peer_) peer_->Push(what);
  }
  void Pull(Aspect what) const {
    if (peer_) peer_->Pull(what);
  }
  // Runs a handler the way every event does: exceptions go to the application's error box.
  void Fire(const Handler& handler);

 private:
  friend class Form;
  void Realize();

  Kind kind_;
  std::string name_;
  Control* parent_;
  std::vector<std::unique_ptr<Control>> children_;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  Font font_;
  std::wstring caption_;
  std::unique_ptr<Peer> peer_;
};

}  // namespace tk
