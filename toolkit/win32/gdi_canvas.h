// The program's pictures drawn with GDI.
#pragma once

#include <windows.h>

#include "toolkit/canvas.h"

namespace tk::win32 {

class GdiCanvas : public Canvas {
 public:
  explicit GdiCanvas(HDC dc) : dc_(dc) {}
  void FillRect(Rect r, Color c) override;
  void Bevel(Rect r, bool raised) override;
  void Line(Point a, Point b, Color c, int width) override;
  void Polygon(const std::vector<Point>& points, Color fill, Color edge) override;
  void Ellipse(Rect r, Color fill, Color edge) override;
  void Text(Rect r, const std::wstring& text, const Font& font, Align align) override;

 private:
  HDC dc_;
};

// A bitmap of width x height on the button face, painted by `painter`; the caller deletes it.
HBITMAP PaintBitmap(const Painter& painter, int width, int height);
// Copies a bitmap of width x height to (x, y) of `dc`.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);

}  // namespace tk::win32
