#include "window_facts.h"

#include <commctrl.h>

#include <cwctype>
#include <vector>

#include "remote_memory.h"

namespace {

// A program busy in a transfer answers sent messages only between its waits.
constexpr UINT kSendTimeoutMs = 5000;

bool Send(HWND window, UINT message, WPARAM w, LPARAM l, LRESULT& result) {
  DWORD_PTR out = 0;
  if (!SendMessageTimeoutW(window, message, w, l, SMTO_NORMAL, kSendTimeoutMs, &out)) return false;
  result = static_cast<LRESULT>(out);
  return true;
}

long long SendValue(HWND window, UINT message, WPARAM w = 0, LPARAM l = 0) {
  LRESULT result = -1;
  return Send(window, message, w, l, result) ? result : -1;
}

std::wstring ClassOf(HWND window) {
  wchar_t buf[256] = {};
  GetClassNameW(window, buf, 256);
  return buf;
}

bool SameText(const std::wstring& a, const wchar_t* b) {
  return lstrcmpiW(a.c_str(), b) == 0;
}

// Edit fields keep typed text in the owning process only, so it must be asked for.
std::wstring TextOf(HWND window, const std::wstring& cls) {
  if (SameText(cls, L"Edit") || SameText(cls, L"ComboBox")) {
    long long length = SendValue(window, WM_GETTEXTLENGTH);
    if (length < 0) return L"";
    std::vector<wchar_t> buf(static_cast<size_t>(length) + 2);
    LRESULT copied = 0;
    if (!Send(window, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), copied))
      return L"";
    return std::wstring(buf.data());
  }
  int length = GetWindowTextLengthW(window);
  std::vector<wchar_t> buf(static_cast<size_t>(length) + 2);
  GetWindowTextW(window, buf.data(), static_cast<int>(buf.size()));
  return std::wstring(buf.data());
}

void WriteListItems(JsonWriter& json, HWND window, UINT count_msg, UINT len_msg, UINT text_msg) {
  long long count = SendValue(window, count_msg);
  json.Number(L"count", count);
  json.BeginArray(L"items");
  for (long long i = 0; i < count; ++i) {
    long long length = SendValue(window, len_msg, static_cast<WPARAM>(i));
    std::vector<wchar_t> buf(static_cast<size_t>(length < 0 ? 0 : length) + 2);
    LRESULT copied = 0;
    Send(window, text_msg, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf.data()), copied);
    json.ArrayString(buf.data());
  }
  json.EndArray();
}

void WriteComboFacts(JsonWriter& json, HWND window) {
  json.Number(L"cursel", SendValue(window, CB_GETCURSEL));
  json.Bool(L"dropped", SendValue(window, CB_GETDROPPEDSTATE) == TRUE);
  WriteListItems(json, window, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

void WriteListFacts(JsonWriter& json, HWND window) {
  json.Number(L"cursel", SendValue(window, LB_GETCURSEL));
  WriteListItems(json, window, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
  long long count = SendValue(window, LB_GETCOUNT);
  json.BeginArray(L"item_rects");
  for (long long i = 0; i < count; ++i) {
    RECT r{};
    LRESULT ok = 0;
    Send(window, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r), ok);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    json.ArrayRect(r.left, r.top, r.right, r.bottom);
  }
  json.EndArray();
}

void WriteTabFacts(JsonWriter& json, HWND window) {
  json.Number(L"cursel", SendValue(window, TCM_GETCURSEL));
  long long count = SendValue(window, TCM_GETITEMCOUNT);
  json.Number(L"count", count);
  constexpr int kTextChars = 128;
  RemoteMemory remote(window, sizeof(TCITEMW) + kTextChars * sizeof(wchar_t));
  std::vector<std::wstring> texts;
  std::vector<RECT> rects;
  for (long long i = 0; i < count && remote.Ok(); ++i) {
    auto* text_at = static_cast<wchar_t*>(remote.Address()) + sizeof(TCITEMW) / sizeof(wchar_t);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text_at;
    item.cchTextMax = kTextChars;
    std::vector<wchar_t> back(sizeof(TCITEMW) / sizeof(wchar_t) + kTextChars, L'\0');
    remote.Write(&item, sizeof item);
    SendValue(window, TCM_GETITEMW, static_cast<WPARAM>(i),
              reinterpret_cast<LPARAM>(remote.Address()));
    remote.Read(back.data(), back.size() * sizeof(wchar_t));
    back.back() = L'\0';
    texts.emplace_back(back.data() + sizeof(TCITEMW) / sizeof(wchar_t));

    RECT r{};
    SendValue(window, TCM_GETITEMRECT, static_cast<WPARAM>(i),
              reinterpret_cast<LPARAM>(remote.Address()));
    remote.Read(&r, sizeof r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    rects.push_back(r);
  }
  json.BeginArray(L"items");
  for (const auto& t : texts) json.ArrayString(t);
  json.EndArray();
  json.BeginArray(L"item_rects");
  for (const RECT& r : rects) json.ArrayRect(r.left, r.top, r.right, r.bottom);
  json.EndArray();
}

void WriteProgressFacts(JsonWriter& json, HWND window) {
  json.Number(L"pos", SendValue(window, PBM_GETPOS));
  json.Number(L"min", SendValue(window, PBM_GETRANGE, TRUE));
  json.Number(L"max", SendValue(window, PBM_GETRANGE, FALSE));
}

}  // namespace

std::wstring KestruneName(HWND window) {
  HANDLE value = GetPropW(window, L"KestruneName");
  if (value == nullptr) return L"";
  wchar_t buf[256] = {};
  UINT length = GlobalGetAtomNameW(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(value)), buf, 256);
  return std::wstring(buf, length);
}

void WriteWindowFacts(JsonWriter& json, HWND window, HWND top) {
  const std::wstring cls = ClassOf(window);
  json.BeginObject();
  json.Number(L"hwnd", static_cast<long long>(reinterpret_cast<ULONG_PTR>(window)));
  json.Number(L"top", static_cast<long long>(reinterpret_cast<ULONG_PTR>(top)));
  json.Number(L"parent",
              static_cast<long long>(reinterpret_cast<ULONG_PTR>(GetAncestor(window, GA_PARENT))));
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  json.Number(L"pid", pid);
  json.String(L"class", cls);
  json.String(L"name", KestruneName(window));
  json.Number(L"id", GetDlgCtrlID(window));
  json.String(L"text", TextOf(window, cls));
  json.Bool(L"visible", IsWindowVisible(window) != FALSE);
  json.Bool(L"enabled", IsWindowEnabled(window) != FALSE);
  RECT r{};
  GetWindowRect(window, &r);
  json.Rect(L"rect", r.left, r.top, r.right, r.bottom);
  RECT c{};
  GetClientRect(window, &c);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  json.Rect(L"client", origin.x, origin.y, origin.x + c.right, origin.y + c.bottom);

  if (SameText(cls, L"ComboBox")) WriteComboFacts(json, window);
  if (SameText(cls, L"ComboLBox") || SameText(cls, L"ListBox")) WriteListFacts(json, window);
  if (SameText(cls, WC_TABCONTROLW)) WriteTabFacts(json, window);
  if (SameText(cls, PROGRESS_CLASSW)) WriteProgressFacts(json, window);
  json.EndObject();
}
