#include "core/test/Conversions.h"

#include <array>
#include <memory>
#include <string_view>

#include "core/storage/IniStore.h"
#include "core/test/TestFile.h"
#include "core/storage/ZarnEncryption.h"

namespace {

using namespace TestFile;

// SETTINGS keys copied before the message sections, then after them.
constexpr std::array<std::string_view, 8> LeadingSettings = {
    Desc, Time, CheckAnswers, RandomQuestions, MustAnswer, PassPoint, MaxQuestions, TimerType};
constexpr std::array<std::string_view, 7> TrailingSettings = {ReviewAllow, ReviewBlank, TestHot,   TestRef,
                                                              ReviewHot,   ReviewRef,   StudentMax};
// The conversion's own key order: ANY comes after REFERENCE.
constexpr std::array<std::string_view, 14> QuestionKeys = {
    Question,          "A",       "B", "C",    "D",     "E", "F", Correct, HotLink,
    HotLinkParameters, Reference, Any, MMedia, MMediaIn};

using TTransform = std::string (*)(std::string_view);

class TConversion {
public:
  TConversion(const std::string& sourcePath, const std::string& destinationPath, TTransform transform,
              std::vector<TBrokenValue>* broken)
      : Source(std::make_unique<TIniStore>(sourcePath)),
        Destination(destinationPath),
        Transform(transform),
        Broken(broken) {}

  void Run() {
    for (const auto key : LeadingSettings) CopyValue(Settings, key, 0);
    CopyLines(BeginMessage);
    CopyLines(EndMessage);
    for (const auto key : TrailingSettings) CopyValue(Settings, key, 0);
    for (int n = 1; n <= MaxQuestionCount && HasQuestion(*Source, n); ++n) {
      const std::string section = QuestionSection(n);
      for (const auto key : QuestionKeys) CopyValue(section, key, n);
    }
    // The source is released first; it was only read, so it writes nothing.
    Source.reset();
    Destination.UpdateFile();
  }

private:
  void CopyValue(std::string_view section, std::string_view key, int question) {
    const std::string value = Transform(Source->ReadString(section, key, {}));
    if (Broken && value.find_first_of("\r\n\x1A") != std::string::npos)
      Broken->push_back({question, std::string(key), value.find('\x1A') != std::string::npos});
    Destination.WriteString(section, key, value);
  }

  void CopyLines(std::string_view section) {
    Lines.clear();
    Source->ReadSectionValues(section, Lines);
    Destination.WriteSectionValues(section, Lines);
  }

  std::unique_ptr<TIniStore> Source;
  TIniStore Destination;
  TTransform Transform;
  std::vector<TBrokenValue>* Broken;
  TStrings Lines;
};

}  // namespace

void EncryptTextToTest(const std::string& sourcePath, const std::string& destinationPath) {
  TConversion(sourcePath, destinationPath, Encrypt, nullptr).Run();
}

std::vector<TBrokenValue> DecryptTestToText(const std::string& sourcePath,
                                            const std::string& destinationPath) {
  std::vector<TBrokenValue> broken;
  TConversion(sourcePath, destinationPath, Decrypt, &broken).Run();
  return broken;
}
