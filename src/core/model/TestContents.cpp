#include "core/model/TestContents.h"

bool HoldsKey(TCustomIniStore& store, std::string_view section, std::string_view key) {
  TStrings* lines = nullptr;
  return store.FindItemIndex(section, key, false, lines) >= 0;
}

TTestContents ReadTestContents(TCustomIniStore& store) {
  TTestContents contents;
  const TestFile::TTextForm form = TestFile::StoredForm(store);
  for (const TestFile::TSettingKey& key : TestFile::SettingKeys) {
    TTestContents::TSetting setting{key.Name, std::nullopt};
    if (HoldsKey(store, TestFile::Settings, key.Name)) {
      setting.Value = TestFile::ReadSetting(store, key.Name, form);
    }
    contents.Settings.push_back(std::move(setting));
  }
  store.ReadSectionValues(TestFile::BeginMessage, contents.BeginMessage);
  store.ReadSectionValues(TestFile::EndMessage, contents.EndMessage);
  for (TStrings* lines : {&contents.BeginMessage, &contents.EndMessage})
    for (std::string& line : *lines) TestFile::ToCoreText(line, form);
  contents.Questions = ReadQuestions(store, contents.Numbering);
  return contents;
}
