// Both conversions on an arbitrary source file, into a fresh destination and
// back: no crash or hang, every listed key present in the destination, and a
// round trip returns every value the cipher can carry, the message sections
// and the question count.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ScratchFiles.h"
#include "core/model/Conversions.h"
#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"

namespace {

using namespace TestFile;

constexpr std::array<std::string_view, 15> SettingsKeys = {
    Desc,        TimerType,   Time,    CheckAnswers, RandomQuestions, MustAnswer, PassPoint, MaxQuestions,
    ReviewAllow, ReviewBlank, TestHot, TestRef,      ReviewHot,       ReviewRef,  StudentMax};
constexpr std::array<std::string_view, 14> QuestionKeys = {
    Question,          "A",       "B", "C",    "D",     "E", "F", Correct, HotLink,
    HotLinkParameters, Reference, Any, MMedia, MMediaIn};

// A test's content: every value a conversion copies, in order, and both messages.
struct TContent {
  std::vector<std::string> Values;
  TStrings Begin;
  TStrings End;
  int Questions = 0;
};

TContent ReadContent(const std::string& path, std::string (*transform)(std::string_view)) {
  TIniStore store(path);
  TContent content;
  for (const auto key : SettingsKeys)
    content.Values.push_back(transform(store.ReadString(Settings, key, {})));
  store.ReadSectionValues(BeginMessage, content.Begin);
  store.ReadSectionValues(EndMessage, content.End);
  while (content.Questions < MaxQuestionCount && HasQuestion(store, content.Questions + 1)) {
    ++content.Questions;
    for (const auto key : QuestionKeys)
      content.Values.push_back(transform(store.ReadString(QuestionSection(content.Questions), key, {})));
  }
  return content;
}

std::string Plain(std::string_view value) {
  return std::string(value);
}

// Whether the cipher is sure to bring value back: bytes 1 to 254 always come
// back; 0 and 255 only when the chain allows.
bool Carried(const std::string& value) {
  return value.find('\0') == std::string::npos && value.find('\xFF') == std::string::npos;
}

void CheckSameValues(const TContent& before, const TContent& after) {
  FUZZ_CHECK(before.Questions == after.Questions);
  FUZZ_CHECK(before.Values.size() == after.Values.size());
  for (size_t i = 0; i < before.Values.size(); ++i)
    if (Carried(before.Values[i])) FUZZ_CHECK(after.Values[i] == before.Values[i]);
  FUZZ_CHECK(before.Begin == after.Begin);
  FUZZ_CHECK(before.End == after.End);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Cipher texts start with a pair taken from the input, so every run repeats.
  SetFirstByteSource([size] { return static_cast<unsigned>(size % 256); });
  const std::string source =
      ScratchFiles::WithBytes("source", std::string(reinterpret_cast<const char*>(data), size));

  // The source as a plain-text test: enciphered, then deciphered again.
  const std::string test = ScratchFiles::Fresh("test.qwt");
  const std::string text = ScratchFiles::Fresh("again.txt");
  EncryptTextToTest(source, test);
  const std::vector<TBrokenValue> unbroken = DecryptTestToText(test, text).Broken;
  const TContent plain = ReadContent(source, Plain);
  CheckSameValues(plain, ReadContent(test, Decrypt));
  CheckSameValues(plain, ReadContent(text, Plain));
  // Values loaded from a file hold no line end, so none can be reported.
  FUZZ_CHECK(unbroken.empty());

  // The source as an enciphered test: deciphered into text, enciphered again.
  const std::string asText = ScratchFiles::Fresh("decrypted.txt");
  const std::string back = ScratchFiles::Fresh("back.qwt");
  // Only the line-breaking kinds matter here: a random source is full of
  // values that do not decipher.
  std::vector<TBrokenValue> broken = DecryptTestToText(source, asText).Broken;
  std::erase_if(broken, [](const TBrokenValue& value) {
    return value.Loss != TLoss::LineBreak && value.Loss != TLoss::EndsText;
  });
  const TContent deciphered = ReadContent(source, Decrypt);
  bool lineSafe = true;
  for (const std::string& value : deciphered.Values) {
    const bool breaks = value.find_first_of("\r\n") != std::string::npos;
    lineSafe = lineSafe && !breaks && value.find('\x1A') == std::string::npos;
    if (breaks) FUZZ_CHECK(!broken.empty());
  }
  if (lineSafe) {
    FUZZ_CHECK(broken.empty());
    CheckSameValues(deciphered, ReadContent(asText, Plain));
    EncryptTextToTest(asText, back);
    CheckSameValues(deciphered, ReadContent(back, Decrypt));
  }
  return 0;
}
