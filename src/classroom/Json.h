#pragma once

#include <string>
#include <string_view>
#include <vector>

// A JSON text built up in order: the server's replies are small objects, so
// a writer is all they need. Every string goes through Quote, which escapes
// quotes, backslashes, control characters and '<', '>', '&' (as \u escapes),
// so a reply never carries markup even when a careless client shows it.
class TJson {
public:
  // The text of a JSON string holding utf8.
  static std::string Quote(std::string_view utf8);

  TJson& Begin();  // {
  TJson& End();    // }
  TJson& BeginArray(std::string_view key = {});
  TJson& EndArray();
  TJson& Object(std::string_view key);  // "key": {
  TJson& Field(std::string_view key, std::string_view utf8);
  TJson& Field(std::string_view key, const char* utf8) { return Field(key, std::string_view(utf8)); }
  TJson& Field(std::string_view key, int value);
  TJson& Field(std::string_view key, bool value);
  TJson& Lines(std::string_view key, const std::vector<std::string>& utf8Lines);
  // A bare value inside an array.
  TJson& Item(std::string_view utf8);

  const std::string& Text() const { return Out; }

private:
  void Key(std::string_view key);
  std::string Out;
  bool First = true;
};
