// kdriver: prints what the end-to-end tests need to know about the windows on
// the desktop as JSON. Input is given from X, never through this program.
//
//   kdriver dump            every visible or named top-level window and all of its children
//   kdriver dump NAME ...   only the windows whose control name is listed
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "json_writer.h"
#include "window_facts.h"

namespace {

struct Walk {
  JsonWriter* json;
  std::set<std::wstring> only;
  HWND top = nullptr;
};

bool Wanted(const Walk& walk, HWND window) {
  return walk.only.empty() || walk.only.count(KestruneName(window)) != 0;
}

BOOL CALLBACK OnChild(HWND child, LPARAM param) {
  auto& walk = *reinterpret_cast<Walk*>(param);
  if (Wanted(walk, child)) WriteWindowFacts(*walk.json, child, walk.top);
  return TRUE;
}

BOOL CALLBACK OnTop(HWND top, LPARAM param) {
  auto& walk = *reinterpret_cast<Walk*>(param);
  if (!IsWindowVisible(top) && KestruneName(top).empty()) return TRUE;
  walk.top = top;
  if (Wanted(walk, top)) WriteWindowFacts(*walk.json, top, top);
  EnumChildWindows(top, OnChild, param);
  return TRUE;
}

long long Handle(HWND window) {
  return static_cast<long long>(reinterpret_cast<ULONG_PTR>(window));
}

int Dump(const std::set<std::wstring>& only) {
  JsonWriter json;
  json.BeginObject();
  HWND foreground = GetForegroundWindow();
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &gui);
  json.Number(L"foreground", Handle(foreground));
  json.Number(L"focus", Handle(gui.hwndFocus));
  json.BeginObjectIn(L"metrics");
  json.Number(L"frame_x", GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER));
  json.Number(L"frame_y", GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER));
  json.Number(L"caption_button_x", GetSystemMetrics(SM_CXSIZE));
  json.Number(L"caption_button_y", GetSystemMetrics(SM_CYSIZE));
  json.EndObject();
  json.BeginArray(L"windows");
  Walk walk{&json, only};
  EnumWindows(OnTop, reinterpret_cast<LPARAM>(&walk));
  json.EndArray();
  json.EndObject();
  std::fwrite(json.Text().data(), 1, json.Text().size(), stdout);
  std::fputc('\n', stdout);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == L"dump") return Dump({args.begin() + 1, args.end()});
  std::fputs("usage: kdriver dump [NAME ...]\n", stderr);
  return 2;
}
