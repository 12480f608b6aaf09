#include "core/model/Conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"
#include "core/model/TestFile.h"

namespace {

using namespace TestFile;

// The question keys in the conversion's own order: ANY comes after REFERENCE.
constexpr std::array<std::string_view, QuestionKeys.size()> ConvertedQuestionKeys = [] {
  std::array<std::string_view, QuestionKeys.size()> names{};
  size_t n = 0;
  for (const TQuestionKey& key : QuestionKeys) {
    if (key.Name != Any) names[n++] = key.Name;
    if (key.Name == Reference) names[n++] = Any;
  }
  return names;
}();

class TConversion {
public:
  TConversion(const std::string& sourcePath, const std::string& destinationPath, bool encrypt)
      : Source(OpenSource(sourcePath)), Destination(destinationPath), Encrypting(encrypt) {}

  TConversionReport Run() {
    for (const TSettingKey& key : SettingKeys)
      if (key.BeforeMessages) CopyValue(Settings, key.Name, 0);
    CopyLines(BeginMessage);
    CopyLines(EndMessage);
    for (const TSettingKey& key : SettingKeys)
      if (!key.BeforeMessages) CopyValue(Settings, key.Name, 0);
    int n = 1;
    for (; n <= MaxQuestionCount && HasQuestion(*Source, n); ++n) {
      const std::string section = QuestionSection(n);
      for (const auto key : ConvertedQuestionKeys) CopyValue(section, key, n);
    }
    NoteDropped(n);
    // The source is released first; it was only read, so it writes nothing.
    Source.reset();
    Destination.UpdateFile();
    return std::move(Report);
  }

private:
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

  void CopyValue(std::string_view section, std::string_view key, int question) {
    const std::string source = Source->ReadString(section, key, {});
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
    Destination.WriteString(section, key, value);
  }

  // Question sections from first on, and any past the last number, that hold
  // some text: the conversion stops before them.
  void NoteDropped(int first) {
    TStrings names;
    Source->ReadSections(names);
    for (const std::string& name : names) {
      if (name.size() < 3 || (name[0] != 'Q' && name[0] != 'q') || (name[1] != 'A' && name[1] != 'a'))
        continue;
      int number = 0;
      const auto [end, failure] = std::from_chars(name.data() + 2, name.data() + name.size(), number);
      if (failure != std::errc() || end != name.data() + name.size() || number < first) continue;
      bool holdsText = false;
      Source->ForEachLine(name, [&](std::string_view line) {
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos && equals + 1 < line.size()) holdsText = true;
      });
      if (holdsText) Report.Dropped.push_back(number);
    }
    std::sort(Report.Dropped.begin(), Report.Dropped.end());
    Report.Dropped.erase(std::unique(Report.Dropped.begin(), Report.Dropped.end()), Report.Dropped.end());
  }

  void CopyLines(std::string_view section) {
    Lines.clear();
    Source->ReadSectionValues(section, Lines);
    Destination.WriteSectionValues(section, Lines);
  }

  std::unique_ptr<TIniStore> Source;
  TIniStore Destination;
  bool Encrypting;
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
