#include "json_writer.h"

#include <cstdio>

void JsonWriter::Separator() {
  if (!first_) out_ += ',';
  first_ = false;
}

void JsonWriter::Quoted(std::wstring_view text) {
  out_ += '"';
  for (wchar_t c : text) {
    if (c == L'"' || c == L'\\') {
      out_ += '\\';
      out_ += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7f) {
      out_ += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c) & 0xffffu);
      out_ += buf;
    }
  }
  out_ += '"';
}

void JsonWriter::Key(std::wstring_view key) {
  Separator();
  Quoted(key);
  out_ += ':';
}

void JsonWriter::BeginObject() {
  Separator();
  out_ += '{';
  first_ = true;
}

void JsonWriter::BeginObjectIn(std::wstring_view key) {
  Key(key);
  out_ += '{';
  first_ = true;
}

void JsonWriter::EndObject() {
  out_ += '}';
  first_ = false;
}

void JsonWriter::BeginArray(std::wstring_view key) {
  Key(key);
  out_ += '[';
  first_ = true;
}

void JsonWriter::EndArray() {
  out_ += ']';
  first_ = false;
}

void JsonWriter::String(std::wstring_view key, std::wstring_view value) {
  Key(key);
  Quoted(value);
}

void JsonWriter::Number(std::wstring_view key, long long value) {
  Key(key);
  out_ += std::to_string(value);
}

void JsonWriter::Bool(std::wstring_view key, bool value) {
  Key(key);
  out_ += value ? "true" : "false";
}

void JsonWriter::Rect(std::wstring_view key, long left, long top, long right, long bottom) {
  BeginArray(key);
  ArrayNumber(left);
  ArrayNumber(top);
  ArrayNumber(right);
  ArrayNumber(bottom);
  EndArray();
}

void JsonWriter::ArrayString(std::wstring_view value) {
  Separator();
  Quoted(value);
}

void JsonWriter::ArrayNumber(long long value) {
  Separator();
  out_ += std::to_string(value);
}

void JsonWriter::ArrayRect(long left, long top, long right, long bottom) {
  Separator();
  out_ += '[';
  first_ = true;
  for (long v : {left, top, right, bottom}) ArrayNumber(v);
  EndArray();
}
