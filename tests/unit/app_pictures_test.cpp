// The program's own pictures: header boxes meet the cells, glyphs carry their words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/pictures.h"
#include "image/cell_grid.h"

namespace {

struct Box {
  tk::Rect rect;
  std::wstring text;
};

// Keeps what was drawn and whether every shape stayed inside the picture.
class RecordingCanvas : public tk::Canvas {
 public:
  RecordingCanvas(int width, int height) : width_(width), height_(height) {}

  void FillRect(tk::Rect r, tk::Color) override { Check(r); }
  void Bevel(tk::Rect r, bool raised) override {
    Check(r);
    if (raised) bevels.push_back(r);
  }
  void Line(tk::Point a, tk::Point b, tk::Color, int) override {
    Check(a);
    Check(b);
  }
  void Polygon(const std::vector<tk::Point>& points, tk::Color, tk::Color) override {
    for (tk::Point p : points) Check(p);
  }
  void Ellipse(tk::Rect r, tk::Color, tk::Color) override { Check(r); }
  void Text(tk::Rect r, const std::wstring& text, const tk::Font& font, tk::Align) override {
    Check(r);
    texts.push_back({r, text});
    fonts.push_back(font);
  }

  std::vector<tk::Rect> bevels;
  std::vector<Box> texts;
  std::vector<tk::Font> fonts;
  bool inside = true;

 private:
  void Check(tk::Point p) {
    inside = inside && p.x >= 0 && p.y >= 0 && p.x <= width_ && p.y <= height_;
  }
  void Check(tk::Rect r) {
    Check(tk::Point{r.left, r.top});
    Check(tk::Point{r.left + r.width, r.top + r.height});
  }
  int width_, height_;
};

RecordingCanvas Draw(const tk::Painter& painter, int width, int height) {
  RecordingCanvas canvas(width, height);
  painter(canvas, width, height);
  return canvas;
}

TEST(Pictures, ColumnHeaderBoxesStandOverTheirCellColumns) {
  RecordingCanvas canvas = Draw(ColumnHeaderPainter(), 604, 20);
  ASSERT_EQ(canvas.texts.size(), 17u);
  ASSERT_EQ(canvas.bevels.size(), 17u);
  EXPECT_EQ(canvas.texts[0].text, L"HEX");
  EXPECT_EQ(canvas.bevels[0].left, 0);
  const wchar_t* digits = L"0123456789ABCDEF";
  for (int c = 0; c < 16; ++c) {
    const Box& box = canvas.texts[c + 1];
    EXPECT_EQ(box.text, std::wstring(L"0") + digits[c]);
    // The box's middle, on the tab control, is the cell's middle within a pixel or two.
    int middle = kColumnHeaderLeft + box.rect.left + box.rect.width / 2;
    EXPECT_NEAR(middle, CellLeft(c) + kCellWidth / 2, 2) << "column " << c;
    // Boxes meet without gaps.
    EXPECT_EQ(canvas.bevels[c + 1].left, canvas.bevels[c].left + canvas.bevels[c].width);
  }
  EXPECT_EQ(canvas.bevels[16].left + canvas.bevels[16].width, 604);
  EXPECT_TRUE(canvas.inside);
}

TEST(Pictures, RowHeaderBoxesStandBesideTheirCellRows) {
  RecordingCanvas canvas = Draw(RowHeaderPainter(), 48, 308);
  ASSERT_EQ(canvas.texts.size(), 16u);
  ASSERT_EQ(canvas.bevels.size(), 16u);
  for (int r = 0; r < 16; ++r) {
    const Box& box = canvas.texts[r];
    EXPECT_EQ(box.text, r == 0 ? std::wstring(L"00") : std::to_wstring(16 * r));
    int middle = kRowHeaderTop + box.rect.top + box.rect.height / 2;
    EXPECT_NEAR(middle, CellTop(r) + kCellHeight / 2, 2) << "row " << r;
    if (r > 0) {
      EXPECT_EQ(canvas.bevels[r].top, canvas.bevels[r - 1].top + canvas.bevels[r - 1].height);
    }
  }
  EXPECT_EQ(canvas.bevels[0].top + kRowHeaderTop, CellTop(0));
  EXPECT_EQ(canvas.bevels[15].top + canvas.bevels[15].height + kRowHeaderTop,
            CellTop(15) + kCellHeight);
  EXPECT_TRUE(canvas.inside);
}

struct GlyphCase {
  const char* name;
  tk::Painter (*painter)();
  std::wstring word;
};

TEST(Pictures, GlyphsShowTheirGreenWordInside50By60) {
  const GlyphCase cases[] = {
      {"open", OpenGlyph, L"開檔"},
      {"save", SaveGlyph, L"存檔"},
      {"hex", HexGlyph, L"HEX"},
      {"ascii", AsciiGlyph, L"ASCII"},
  };
  for (const GlyphCase& c : cases) {
    RecordingCanvas canvas = Draw(c.painter(), 50, 60);
    ASSERT_FALSE(canvas.texts.empty()) << c.name;
    // The word is the last text, below everything else.
    EXPECT_EQ(canvas.texts.back().text, c.word) << c.name;
    EXPECT_EQ(canvas.fonts.back().color, tk::Rgb(0, 128, 0)) << c.name;
    EXPECT_TRUE(canvas.inside) << c.name;
  }
}

TEST(Pictures, EmblemStaysInside120By109) {
  RecordingCanvas canvas = Draw(EmblemPainter(), 120, 109);
  EXPECT_FALSE(canvas.bevels.empty());
  EXPECT_TRUE(canvas.inside);
}

}  // namespace
