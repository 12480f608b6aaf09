#include "classroom/Json.h"

#include <cstdio>

std::string TJson::Quote(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20 || c == '<' || c == '>' || c == '&' || byte == 0x7F) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", byte);
          out += escape;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

void TJson::Key(std::string_view key) {
  if (!First) Out += ',';
  First = false;
  if (!key.empty()) Out += Quote(key) + ':';
}

TJson& TJson::Begin() {
  Key({});
  Out += '{';
  First = true;
  return *this;
}

TJson& TJson::End() {
  Out += '}';
  First = false;
  return *this;
}

TJson& TJson::Object(std::string_view key) {
  Key(key);
  Out += '{';
  First = true;
  return *this;
}

TJson& TJson::BeginArray(std::string_view key) {
  Key(key);
  Out += '[';
  First = true;
  return *this;
}

TJson& TJson::EndArray() {
  Out += ']';
  First = false;
  return *this;
}

TJson& TJson::Field(std::string_view key, std::string_view utf8) {
  Key(key);
  Out += Quote(utf8);
  return *this;
}

TJson& TJson::Field(std::string_view key, int value) {
  Key(key);
  Out += std::to_string(value);
  return *this;
}

TJson& TJson::Field(std::string_view key, bool value) {
  Key(key);
  Out += value ? "true" : "false";
  return *this;
}

TJson& TJson::Lines(std::string_view key, const std::vector<std::string>& utf8Lines) {
  BeginArray(key);
  for (const std::string& line : utf8Lines) Item(line);
  return EndArray();
}

TJson& TJson::Item(std::string_view utf8) {
  Key({});
  Out += Quote(utf8);
  return *this;
}
