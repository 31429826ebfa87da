#pragma once

#include <string>
#include <string_view>

// Builds JSON text that stays pure ASCII: everything else is written as \uXXXX,
// so the bytes survive any console code page on their way to the test runner.
class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray(std::wstring_view key);
  void EndArray();
  void BeginObjectIn(std::wstring_view key);
  void Key(std::wstring_view key);
  void String(std::wstring_view key, std::wstring_view value);
  void Number(std::wstring_view key, long long value);
  void Bool(std::wstring_view key, bool value);
  void Rect(std::wstring_view key, long left, long top, long right, long bottom);
  void ArrayString(std::wstring_view value);
  void ArrayNumber(long long value);
  void ArrayRect(long left, long top, long right, long bottom);
  const std::string& Text() const { return out_; }

 private:
  void Separator();
  void Quoted(std::wstring_view text);
  std::string out_;
  bool first_ = true;
};
