#include "core/model/Conversions.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "core/model/QuestionReading.h"
#include "core/model/TestFile.h"
#include "core/storage/FileInput.h"
#include "core/storage/IniStore.h"
#include "core/storage/IniSyntax.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"

namespace {

using namespace TestFile;

// The question keys in the conversion's own order: ANY comes after REFERENCE.
constexpr std::array<const TQuestionKey*, QuestionKeys.size()> ConvertedQuestionKeys = [] {
  std::array<const TQuestionKey*, QuestionKeys.size()> keys{};
  const TQuestionKey* any = nullptr;
  for (const TQuestionKey& key : QuestionKeys)
    if (key.Name == Any) any = &key;
  size_t n = 0;
  for (const TQuestionKey& key : QuestionKeys) {
    if (key.Name != Any) keys[n++] = &key;
    if (key.Name == Reference) keys[n++] = any;
  }
  return keys;
}();

class TConversion {
public:
  TConversion(const std::string& sourcePath, const std::string& destinationPath, bool encrypt)
      : Source(OpenSource(sourcePath)), Destination(destinationPath), Encrypting(encrypt) {
    // A text file opening with a byte-order mark is UTF-8 even without CHARSET.
    const TStoredValues values = encrypt ? TStoredValues::Plain : TStoredValues::Enciphered;
    Form = encrypt && StartsWithByteOrderMark(sourcePath) ? TTextForm::Utf8 : StoredForm(*Source, values);
  }

  TConversionReport Run() {
    for (const TSettingKey& key : SettingKeys)
      if (key.BeforeMessages) CopyValue(Settings, key.Name, key.WhenSet, 0);
    CopyLines(BeginMessage);
    CopyLines(EndMessage);
    for (const TSettingKey& key : SettingKeys)
      if (!key.BeforeMessages) CopyValue(Settings, key.Name, key.WhenSet, 0);
    // The values go across as they stand, so the destination takes the
    // source's form; the keys written only when set follow when held.
    if (Form == TTextForm::Utf8) {
      Destination.WriteString(Settings, Charset,
                              Encrypting ? Encrypt(Utf8Charset) : std::string(Utf8Charset));
    } else {
      Destination.EraseKey(Settings, Charset);
    }
    for (const std::string_view key : WhenSetKeys) {
      if (key == Charset) continue;
      std::string_view held;
      if (Source->ReadValue(Settings, key, held))
        CopyValue(Settings, key, false, 0);
      else
        Destination.EraseKey(Settings, key);
    }
    // The questions as every reader takes them, gaps closed up; the
    // destination's own questions past them go, as the editor's Save removes
    // them, so that the result holds exactly the source's questions.
    TQuestionNumbering& numbering = Report.Numbering;
    ReadQuestions(*Source, numbering, Encrypting ? TStoredValues::Plain : TStoredValues::Enciphered);
    const int count = static_cast<int>(numbering.Sections.size());
    for (int n = 1; n <= count; ++n) {
      const std::string from = QuestionSection(numbering.Sections[static_cast<size_t>(n - 1)]);
      const std::string to = QuestionSection(n);
      for (const TQuestionKey* key : ConvertedQuestionKeys) CopyValue(from, key->Name, key->WhenSet, n, to);
    }
    EraseQuestionsFrom(Destination, count + 1);
    NoteDropped();
    // The source is released first; it was only read, so it writes nothing.
    Source.reset();
    Destination.UpdateFile();
    return std::move(Report);
  }

private:
  static bool StartsWithByteOrderMark(const std::string& path) {
    TInputFile file(path);
    std::string start;
    while (file.Exists() && start.size() < IniSyntax::ByteOrderMark.size() &&
           file.ReadSome(start, IniSyntax::ByteOrderMark.size() - start.size()) > 0) {
    }
    return IniSyntax::StartsWithByteOrderMark(start);
  }

  // The store fills a missing file with nothing, which would then be
  // converted into an empty test over the destination: refuse it instead.
  static std::unique_ptr<TIniStore> OpenSource(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (path.empty()) throw TIoError(path, "Cannot read", "the file name is empty");
    if (status.type() == std::filesystem::file_type::not_found)
      throw TIoError(path, "Cannot read", "no such file");
    if (error) throw TIoError(path, "Cannot read", error.message());
    if (std::filesystem::is_directory(status))
      throw TIoError(path, "Cannot read", "it is a folder, not a file");
    return std::make_unique<TIniStore>(path);
  }

  // Copies section/key of the source into destinationSection (the same
  // section unless given) of the destination. A key written only when set is
  // left out (and removed from the destination) when the source has no value.
  void CopyValue(std::string_view section, std::string_view key, bool whenSet, int question,
                 std::string_view destinationSection = {}) {
    const std::string source = Source->ReadString(section, key, {});
    if (whenSet && source.empty()) {
      WriteWhenSet(Destination, destinationSection.empty() ? section : destinationSection, key, {});
      return;
    }
    const std::string value = Encrypting ? Encrypt(source) : Decrypt(source);
    const std::string& plain = Encrypting ? source : value;
    const auto broken = [&](TLoss loss) { Report.Broken.push_back({question, std::string(key), loss}); };
    if (!Encrypting) {
      if (!source.empty() && value == BadDecode) broken(TLoss::NoDecipher);
      if (value.find('\x1A') != std::string::npos)
        broken(TLoss::EndsText);
      else if (value.find_first_of("\r\n") != std::string::npos)
        broken(TLoss::LineBreak);
    }
    if (plain.find_first_of(std::string_view("\0\xFF", 2)) != std::string::npos &&
        Decrypt(Encrypting ? value : Encrypt(plain)) != plain)
      broken(TLoss::EdgeBytes);
    Destination.WriteString(destinationSection.empty() ? section : destinationSection, key, value);
  }

  // The numbers of the sections left out past the last question, as far
  // as they fit a number.
  void NoteDropped() {
    for (const TUnreadSection& section : Report.Numbering.Unread) {
      if (section.Why != TUnreadSection::TWhy::PastLast) continue;
      int number = 0;
      const char* digits = section.Name.data() + 2;
      const char* end = section.Name.data() + section.Name.size();
      const auto [stop, failure] = std::from_chars(digits, end, number);
      if (failure == std::errc() && stop == end) Report.Dropped.push_back(number);
    }
  }

  void CopyLines(std::string_view section) {
    Lines.clear();
    Source->ReadSectionValues(section, Lines);
    Destination.WriteSectionValues(section, Lines);
  }

  std::unique_ptr<TIniStore> Source;
  TIniStore Destination;
  bool Encrypting;
  TTextForm Form = TTextForm::CodePage;
  TConversionReport Report;
  TStrings Lines;
};

}  // namespace

TConversionReport EncryptTextToTest(const std::string& sourcePath, const std::string& destinationPath) {
  return TConversion(sourcePath, destinationPath, true).Run();
}

TConversionReport DecryptTestToText(const std::string& sourcePath, const std::string& destinationPath) {
  return TConversion(sourcePath, destinationPath, false).Run();
}
