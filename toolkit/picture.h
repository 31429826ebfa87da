#pragma once

#include "toolkit/canvas.h"
#include "toolkit/control.h"

namespace tk {

// A picture painted by the program, drawn at the top left of its frame.
class Picture : public Control {
 public:
  Picture(Control* parent, std::string name) : Control(Kind::Picture, parent, std::move(name)) {}

  void SetPicture(int width, int height, Painter painter);
  int PictureWidth() const { return pic_width_; }
  int PictureHeight() const { return pic_height_; }
  const Painter& painter() const { return painter_; }

 private:
  int pic_width_ = 0, pic_height_ = 0;
  Painter painter_;
};

}  // namespace tk
