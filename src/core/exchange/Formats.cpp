#include "core/exchange/Formats.h"

#include "core/exchange/Aiken.h"
#include "core/exchange/CsvFormat.h"
#include "core/exchange/Gift.h"
#include "core/exchange/MoodleXml.h"
#include "core/exchange/Qti.h"

const std::vector<std::unique_ptr<TQuestionFormat>>& QuestionFormats() {
  static const std::vector<std::unique_ptr<TQuestionFormat>> formats = [] {
    std::vector<std::unique_ptr<TQuestionFormat>> list;
    list.push_back(MakeGiftFormat());
    list.push_back(MakeAikenFormat());
    list.push_back(MakeMoodleXmlFormat());
    list.push_back(MakeQtiFormat());
    list.push_back(MakeCsvFormat());
    return list;
  }();
  return formats;
}

const TQuestionFormat* FindQuestionFormat(std::string_view name) {
  for (const auto& format : QuestionFormats()) {
    if (format->Name() == name) return format.get();
  }
  return nullptr;
}

const TQuestionFormat* QuestionFormatOfFile(std::string_view fileName, std::string_view bytes) {
  const size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return nullptr;
  std::string extension(fileName.substr(dot + 1));
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (extension == "txt" && !bytes.empty()) {
    const bool aiken = bytes.starts_with("ANSWER:") || bytes.find("\nANSWER:") != std::string_view::npos ||
                       bytes.find("\rANSWER:") != std::string_view::npos;
    return FindQuestionFormat(aiken ? "aiken" : "gift");
  }
  // A QTI item on its own is XML too; Moodle XML holds no assessmentItem.
  if (extension == "xml") {
    const size_t item = bytes.find("assessmentItem");
    if (item != std::string_view::npos && item < bytes.find("<quiz")) return FindQuestionFormat("qti");
  }
  for (const auto& format : QuestionFormats()) {
    if (format->DefaultExtension() == extension) return format.get();
  }
  return nullptr;
}
