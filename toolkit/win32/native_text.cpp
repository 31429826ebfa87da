#include "toolkit/win32/native_text.h"

namespace tk::win32 {

std::wstring FromAcp(const std::string& bytes) {
  if (bytes.empty()) return {};
  int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::string ToAcp(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

int AcpLength(const std::wstring& text) {
  if (text.empty()) return 0;
  return WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                             nullptr, nullptr);
}

std::wstring FitAcp(const std::wstring& text, int room) {
  std::wstring out;
  int used = 0;
  for (size_t i = 0; i < text.size();) {
    // A surrogate pair is one character.
    size_t len = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() ? 2 : 1;
    std::wstring ch = text.substr(i, len);
    int bytes = AcpLength(ch);
    if (used + bytes > room) break;
    out += ch;
    used += bytes;
    i += len;
  }
  return out;
}

HFONT MakeFont(const Font& font) {
  return CreateFontW(-MulDiv(font.size, 96, 72), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                     FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
}

std::wstring WindowText(HWND hwnd) {
  int n = GetWindowTextLengthW(hwnd);
  std::wstring text(n + 1, L'\0');
  n = GetWindowTextW(hwnd, text.data(), n + 1);
  text.resize(n > 0 ? n : 0);
  return text;
}

}  // namespace tk::win32
