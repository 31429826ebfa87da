#include "toolkit/win32/gdi_canvas.h"

#include "toolkit/win32/native_text.h"

namespace tk::win32 {

namespace {

RECT ToRect(Rect r) {
  return RECT{r.left, r.top, r.left + r.width, r.top + r.height};
}

// Selects a pen and a brush for one shape and puts the old ones back afterwards.
class Tools {
 public:
  Tools(HDC dc, Color fill, Color edge, int width = 1)
      : dc_(dc), pen_(CreatePen(PS_SOLID, width, edge)), brush_(CreateSolidBrush(fill)) {
    old_pen_ = SelectObject(dc_, pen_);
    old_brush_ = SelectObject(dc_, brush_);
  }
  ~Tools() {
    SelectObject(dc_, old_pen_);
    SelectObject(dc_, old_brush_);
    DeleteObject(pen_);
    DeleteObject(brush_);
  }
  Tools(const Tools&) = delete;
  Tools& operator=(const Tools&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HBRUSH brush_;
  HGDIOBJ old_pen_, old_brush_;
};

}  // namespace

void GdiCanvas::FillRect(Rect r, Color c) {
  RECT rect = ToRect(r);
  HBRUSH brush = CreateSolidBrush(c);
  ::FillRect(dc_, &rect, brush);
  DeleteObject(brush);
}

void GdiCanvas::Bevel(Rect r, bool raised) {
  RECT rect = ToRect(r);
  DrawEdge(dc_, &rect, raised ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
}

void GdiCanvas::Line(Point a, Point b, Color c, int width) {
  Tools tools(dc_, c, c, width);
  MoveToEx(dc_, a.x, a.y, nullptr);
  LineTo(dc_, b.x, b.y);
}

void GdiCanvas::Polygon(const std::vector<Point>& points, Color fill, Color edge) {
  std::vector<POINT> native;
  native.reserve(points.size());
  for (Point p : points) native.push_back(POINT{p.x, p.y});
  Tools tools(dc_, fill, edge);
  ::Polygon(dc_, native.data(), static_cast<int>(native.size()));
}

void GdiCanvas::Ellipse(Rect r, Color fill, Color edge) {
  Tools tools(dc_, fill, edge);
  ::Ellipse(dc_, r.left, r.top, r.left + r.width, r.top + r.height);
}

void GdiCanvas::Text(Rect r, const std::wstring& text, const Font& font, Align align) {
  RECT rect = ToRect(r);
  HFONT hfont = MakeFont(font);
  HGDIOBJ old = SelectObject(dc_, hfont);
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, font.color);
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP |
                (align == Align::Center ? DT_CENTER : DT_LEFT);
  DrawTextW(dc_, text.c_str(), -1, &rect, format);
  SelectObject(dc_, old);
  DeleteObject(hfont);
}

HBITMAP PaintBitmap(const Painter& painter, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, width, height};
  ::FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  if (painter) {
    GdiCanvas canvas(dc);
    painter(canvas, width, height);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height) {
  if (!bitmap) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace tk::win32
