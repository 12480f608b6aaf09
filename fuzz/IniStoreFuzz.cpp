// The INI store on arbitrary bytes: loading never fails on content, every read
// gives lines the file format can hold, and a save is a fixed point: the saved
// bytes load into the same lines and save again to the same bytes. The writes
// are those the system makes: cipher text under the file's own keys, message
// lines made storable, question sections created and erased.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ScratchFiles.h"
#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"

namespace {

std::string Joined(const TStrings& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

// What a loaded line may hold: no line end, no Ctrl-Z, not empty, and not
// something that would read back as a section header.
bool Storable(const std::string& line) {
  return !line.empty() && line.find_first_of("\r\n\x1A") == std::string::npos &&
         !(line.size() >= 2 && line.front() == '[' && line.back() == ']');
}

// Reads everything the store offers and checks that it is consistent.
void ReadEverything(TIniStore& store) {
  TStrings names;
  store.ReadSections(names);
  for (const std::string& name : names) {
    TStrings lines;
    store.ReadSectionValues(name, lines);
    for (const std::string& line : lines) {
      FUZZ_CHECK(Storable(line));
      const size_t equals = line.find('=');
      if (equals == 0 || equals == std::string::npos) continue;
      const std::string key = line.substr(0, equals);
      // No stored value holds a carriage return, so the default shows a miss.
      FUZZ_CHECK(store.ReadString(name, key, "\r") != "\r");
      store.ReadInteger(name, key, 7);
      store.ReadBool(name, key, true);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  // Cipher texts start with a pair taken from the input, so every run repeats.
  SetFirstByteSource([size] { return static_cast<unsigned>(size % 256); });
  const std::string path = ScratchFiles::WithBytes("store.ini", input);

  TStrings expected;
  {
    TIniStore store(path);
    FUZZ_CHECK(!store.Modified);
    ReadEverything(store);

    // Writes as the system makes them, driven by what the file holds.
    TStrings names;
    store.ReadSections(names);
    for (size_t i = 0; i < names.size(); ++i) {
      TStrings lines;
      store.ReadSectionValues(names[i], lines);
      if (lines.empty()) continue;
      const size_t equals = lines.front().find('=');
      if (equals != std::string::npos && equals > 0) {
        const std::string key = lines.front().substr(0, equals);
        const std::string written = Encrypt(lines.front());
        store.WriteString(names[i], key, written);
        FUZZ_CHECK(store.ReadString(names[i], key, {}) == written);
      }
      if (i % 3 == 1) store.WriteSectionValues(names[i], StorableMessageLines(lines));
      if (i % 5 == 4) store.EraseSection(names[i]);
    }
    TStrings message = {input.substr(0, 40), "", "[x]", input.substr(input.size() / 2)};
    store.WriteSectionValues(TestFile::BeginMessage, StorableMessageLines(message));
    QuestionRecord record;
    record.Question = input.substr(0, 64);
    record.AnswerA = input;
    TestFile::WriteQuestion(store, 1, record);
    // Bytes 1 to 254 always come back; 0 and 255 only when the chain allows.
    if (input.find_first_of(std::string_view("\0\xFF", 2)) == std::string::npos)
      FUZZ_CHECK(TestFile::ReadQuestion(store, 1).AnswerA == input);
    TestFile::WriteNewTest(store);

    store.ReadAll(expected);
    store.UpdateFile();
    FUZZ_CHECK(!store.Modified);
  }

  // The saved bytes are exactly the lines ReadAll gave.
  const std::string saved = ScratchFiles::Read(path);
  FUZZ_CHECK(saved == Joined(expected));

  // Loading them gives the same lines, and saving again the same bytes.
  {
    TIniStore reloaded(path);
    FUZZ_CHECK(!reloaded.Modified);
    TStrings again;
    reloaded.ReadAll(again);
    FUZZ_CHECK(again == expected);
    ReadEverything(reloaded);
    reloaded.Modified = true;
    reloaded.UpdateFile();
  }
  FUZZ_CHECK(ScratchFiles::Read(path) == saved);
  return 0;
}
