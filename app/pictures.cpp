#include "app/pictures.h"

#include <cwchar>
#include <string>
#include <vector>

#include "image/cell_grid.h"

namespace {

using tk::Canvas;
using tk::Point;
using tk::Rect;
using tk::Rgb;

const tk::Font kHeaderFont{L"MS Sans Serif", 8, false, tk::kBlack};
const tk::Font kWordFont{L"MS Sans Serif", 8, true, Rgb(0, 128, 0)};

constexpr tk::Color kOutline = Rgb(64, 64, 64);

void HeaderBox(Canvas& canvas, Rect r, const std::wstring& text) {
  canvas.FillRect(r, tk::kFaceGrey);
  canvas.Bevel(r, true);
  canvas.Text(r, text, kHeaderFont, tk::Align::Center);
}

std::wstring Number(int value, const wchar_t* format) {
  wchar_t text[8];
  std::swprintf(text, 8, format, value);
  return text;
}

// Neighbouring cells overlap by a few pixels; a header box ends halfway into the overlap.
int Boundary(int first_end, int next_start) {
  return (first_end + next_start) / 2;
}

// The glyphs: a 50 x 38 picture above a word.
constexpr Rect kWordArea{0, 40, 50, 18};

void Word(Canvas& canvas, const std::wstring& word) {
  canvas.Text(kWordArea, word, kWordFont, tk::Align::Center);
}

// A sheet of paper with a folded corner and lines of text.
void Page(Canvas& canvas, const std::wstring& sample) {
  canvas.Polygon({{13, 3}, {31, 3}, {38, 10}, {38, 36}, {13, 36}}, tk::kWhite, kOutline);
  canvas.Polygon({{31, 3}, {31, 10}, {38, 10}}, Rgb(200, 200, 200), kOutline);
  for (int y = 15; y <= 20; y += 5) canvas.Line({16, y}, {34, y}, Rgb(128, 128, 128), 1);
  canvas.Text(Rect{14, 23, 24, 12}, sample, tk::Font{L"MS Sans Serif", 8, true, tk::kBlue},
              tk::Align::Center);
}

}  // namespace

tk::Painter ColumnHeaderPainter() {
  return [](Canvas& canvas, int width, int height) {
    int first = CellLeft(0) - kColumnHeaderLeft;
    HeaderBox(canvas, Rect{0, 0, first, height}, L"HEX");
    for (int c = 0; c < 16; ++c) {
      int left =
          c == 0 ? first : Boundary(CellLeft(c - 1) + kCellWidth, CellLeft(c)) - kColumnHeaderLeft;
      int right =
          c == 15 ? width : Boundary(CellLeft(c) + kCellWidth, CellLeft(c + 1)) - kColumnHeaderLeft;
      HeaderBox(canvas, Rect{left, 0, right - left, height}, Number(c, L"%02X"));
    }
  };
}

tk::Painter RowHeaderPainter() {
  return [](Canvas& canvas, int width, int) {
    for (int r = 0; r < 16; ++r) {
      int top = r == 0 ? CellTop(0) - kRowHeaderTop
                       : Boundary(CellTop(r - 1) + kCellHeight, CellTop(r)) - kRowHeaderTop;
      int bottom = r == 15 ? CellTop(15) + kCellHeight - kRowHeaderTop
                           : Boundary(CellTop(r) + kCellHeight, CellTop(r + 1)) - kRowHeaderTop;
      HeaderBox(canvas, Rect{0, top, width, bottom - top}, Number(16 * r, L"%02d"));
    }
  };
}

tk::Painter EmblemPainter() {
  return [](Canvas& canvas, int width, int) {
    // A badge with the panel's nine keys under a wing. The progress bar covers the picture's
    // lowest rows, so the badge keeps above them.
    constexpr int kBadge = 90;
    int x = (width - kBadge) / 2;
    canvas.Ellipse(Rect{x, 1, kBadge, kBadge}, Rgb(0, 51, 128), Rgb(0, 26, 77));
    canvas.Ellipse(Rect{x + 5, 6, kBadge - 10, kBadge - 10}, Rgb(30, 90, 170), Rgb(160, 190, 230));
    canvas.Polygon({{x + 16, 27}, {x + 45, 12}, {x + 74, 27}, {x + 45, 20}}, Rgb(230, 160, 40),
                   Rgb(120, 70, 0));
    constexpr int kKey = 12, kGap = 4;
    int left = (width - (3 * kKey + 2 * kGap)) / 2;
    int top = 32;
    for (int k = 0; k < 9; ++k) {
      Rect key{left + (k % 3) * (kKey + kGap), top + (k / 3) * (kKey + kGap), kKey, kKey};
      canvas.FillRect(key, k == 4 ? Rgb(230, 160, 40) : tk::kWhite);
      canvas.Bevel(key, true);
    }
  };
}

tk::Painter OpenGlyph() {
  return [](Canvas& canvas, int, int) {
    // The back of the folder with its tab, and the front swinging open.
    canvas.Polygon({{8, 10}, {18, 10}, {21, 13}, {38, 13}, {38, 34}, {8, 34}}, Rgb(214, 170, 50),
                   Rgb(120, 80, 0));
    canvas.Polygon({{13, 19}, {44, 19}, {38, 34}, {8, 34}}, Rgb(250, 220, 110), Rgb(120, 80, 0));
    canvas.Line({30, 4}, {38, 11}, Rgb(0, 128, 0), 2);
    canvas.Polygon({{38, 6}, {39, 12}, {33, 12}}, Rgb(0, 128, 0), Rgb(0, 128, 0));
    Word(canvas, L"開檔");
  };
}

tk::Painter SaveGlyph() {
  return [](Canvas& canvas, int, int) {
    // A floppy disk: the body, the metal shutter and the label.
    canvas.Polygon({{10, 4}, {36, 4}, {40, 8}, {40, 36}, {10, 36}}, Rgb(30, 50, 130),
                   Rgb(10, 20, 60));
    canvas.FillRect(Rect{16, 4, 17, 11}, Rgb(192, 192, 192));
    canvas.FillRect(Rect{27, 6, 4, 7}, Rgb(30, 50, 130));
    canvas.FillRect(Rect{14, 20, 22, 14}, tk::kWhite);
    canvas.Line({16, 25}, {33, 25}, Rgb(128, 128, 128), 1);
    canvas.Line({16, 29}, {33, 29}, Rgb(128, 128, 128), 1);
    Word(canvas, L"存檔");
  };
}

tk::Painter HexGlyph() {
  return [](Canvas& canvas, int, int) {
    Page(canvas, L"0F");
    Word(canvas, L"HEX");
  };
}

tk::Painter AsciiGlyph() {
  return [](Canvas& canvas, int, int) {
    Page(canvas, L"Ab");
    Word(canvas, L"ASCII");
  };
}
