#pragma once

#include <windows.h>

#include <string>

#include "json_writer.h"

// The control name the program attaches to each of its windows, or empty.
std::wstring KestruneName(HWND window);

// Writes one JSON object with what an operator could see of the window.
void WriteWindowFacts(JsonWriter& json, HWND window, HWND top);
