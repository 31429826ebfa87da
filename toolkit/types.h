// Plain value types shared by every control and both backends.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tk {

class Control;

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool Contains(int x, int y) const {
    return x >= left && y >= top && x < left + width && y < top + height;
  }
  bool operator==(const Rect&) const = default;
};

struct Point {
  int x = 0, y = 0;
};

// 0x00BBGGRR, the same packing as a Win32 COLORREF.
using Color = std::uint32_t;
constexpr Color Rgb(int r, int g, int b) {
  return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kFaceGrey = Rgb(212, 208, 200);

struct Font {
  std::wstring name = L"MS Sans Serif";
  int size = 8;  // points at 96 dpi
  bool bold = false;
  Color color = kBlack;
  bool operator==(const Font&) const = default;
};

enum class Kind {
  Form,
  Label,
  Edit,
  ComboBox,
  TabControl,
  Panel,
  GroupBox,
  Picture,
  Button,
  ProgressBar,
  FileDialog,
};

// Which piece of model state a backend must push to, or pull from, its native control.
enum class Aspect {
  Name,
  Bounds,
  Visible,
  Enabled,
  Caption,
  Font,
  Text,
  MaxLength,
  Flat,
  Items,
  ItemIndex,
  Tabs,
  TabIndex,
  Range,
  Position,
  Picture,
};

enum class CloseAction { None, Hide, Free };

using Handler = std::function<void(Control* sender)>;

}  // namespace tk
