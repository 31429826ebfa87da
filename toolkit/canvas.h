// Drawing surface for the pictures the program paints itself.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/types.h"

namespace tk {

enum class Align { Left, Center };

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillRect(Rect r, Color c) = 0;
  // A raised (or sunken) 3-D box edge inside r.
  virtual void Bevel(Rect r, bool raised) = 0;
  virtual void Line(Point a, Point b, Color c, int width) = 0;
  virtual void Polygon(const std::vector<Point>& points, Color fill, Color edge) = 0;
  virtual void Ellipse(Rect r, Color fill, Color edge) = 0;
  // One line of text, vertically centred in r.
  virtual void Text(Rect r, const std::wstring& text, const Font& font, Align align) = 0;
};

using Painter = std::function<void(Canvas& canvas, int width, int height)>;

}  // namespace tk
