// Text and font conversions between the model and the native API.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/types.h"

namespace tk::win32 {

// The model keeps edit texts as bytes in the system code page.
std::wstring FromAcp(const std::string& bytes);
std::string ToAcp(const std::wstring& text);
// Bytes `text` takes in the system code page.
int AcpLength(const std::wstring& text);
// The longest run of whole characters from the start of `text` that fits in `room` bytes.
std::wstring FitAcp(const std::wstring& text, int room);

// A new font; the caller deletes it.
HFONT MakeFont(const Font& font);

std::wstring WindowText(HWND hwnd);

}  // namespace tk::win32
