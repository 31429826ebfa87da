// The pictures the program draws itself: the emblem, the grid headers and the tool button glyphs.
#pragma once

#include "toolkit/canvas.h"

// Where the header pictures stand on the tab control, so that their boxes meet the cells.
constexpr int kColumnHeaderLeft = 8 + 15, kColumnHeaderTop = 40 + 8;
constexpr int kRowHeaderLeft = 8 + 15, kRowHeaderTop = 40 + 26;

// 120 x 109.
tk::Painter EmblemPainter();
// 604 x 20: a box reading HEX above the row header, then one box per cell column, 00 to 0F.
tk::Painter ColumnHeaderPainter();
// 48 x 308: one box per cell row with its first offset, 00, 16, ... 240.
tk::Painter RowHeaderPainter();

// 50 x 60 each: a picture over a green word.
tk::Painter OpenGlyph();
tk::Painter SaveGlyph();
tk::Painter HexGlyph();
tk::Painter AsciiGlyph();
