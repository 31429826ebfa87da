// The pictures the program draws itself.
#pragma once

#include "toolkit/canvas.h"

// A decorative 120 x 109 emblem.
tk::Painter EmblemPainter();
// 604 x 20: "HEX" then the column numbers 00..0F, lined up with the cell columns.
tk::Painter ColumnHeaderPainter();
// 48 x 308: the row offsets 00, 16 .. 240, lined up with the cell rows.
tk::Painter RowHeaderPainter();
// 50 x 60 button pictures with their green words.
tk::Painter OpenGlyph();
tk::Painter SaveGlyph();
tk::Painter HexGlyph();
tk::Painter AsciiGlyph();
