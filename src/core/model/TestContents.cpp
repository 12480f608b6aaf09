#include "core/model/TestContents.h"

#include "core/storage/ZarnEncryption.h"

bool HoldsKey(TCustomIniStore& store, std::string_view section, std::string_view key) {
  TStrings* lines = nullptr;
  return store.FindItemIndex(section, key, false, lines) >= 0;
}

TTestContents ReadTestContents(TCustomIniStore& store) {
  TTestContents contents;
  for (const TestFile::TSettingKey& key : TestFile::SettingKeys) {
    TTestContents::TSetting setting{key.Name, std::nullopt};
    if (HoldsKey(store, TestFile::Settings, key.Name)) {
      setting.Value = Decrypt(store.ReadString(TestFile::Settings, key.Name, ""));
    }
    contents.Settings.push_back(std::move(setting));
  }
  store.ReadSectionValues(TestFile::BeginMessage, contents.BeginMessage);
  store.ReadSectionValues(TestFile::EndMessage, contents.EndMessage);
  contents.Questions = ReadQuestions(store, contents.Numbering);
  return contents;
}
