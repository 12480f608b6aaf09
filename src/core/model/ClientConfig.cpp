#include "core/model/ClientConfig.h"

#include "core/model/TestFolder.h"
#include "core/storage/CodePage.h"
#include "core/storage/ZarnEncryption.h"

namespace {

// The configuration file holds code-page text, as the engine has always read
// it; the core's text is UTF-8.
std::string FromFile(std::string_view stored) {
  return CodePage::ToUtf8(stored);
}

std::string ToFile(std::string_view text) {
  return CodePage::FromUtf8(text).Text;
}

}  // namespace

std::string ClientConfigPath(const std::string& programFolder) {
  return TestFolder::FindFile(programFolder, ClientFile::FileName);
}

ClientConfig LoadClientConfig(const std::string& path) {
  using namespace ClientFile;
  TIniStore store(path);
  ClientConfig config;
  config.Logo = FromFile(store.ReadString(Settings, Logo, ""));
  config.CustomAbout = store.ReadBool(Settings, CustomAbout, false);
  if (config.CustomAbout) {
    config.AboutWho = FromFile(store.ReadString(Settings, AboutWho, ""));
    config.AboutUrl = FromFile(store.ReadString(Settings, AboutUrl, ""));
    store.ReadSectionValues(AboutMessage, config.AboutMessage);
    for (std::string& line : config.AboutMessage) line = FromFile(line);
  }
  config.FullScreen = store.ReadBool(Settings, FullScreen, false);
  config.HistoryPassword = FromFile(Decrypt(store.ReadString(Settings, History, "")));
  config.ExitPassword = FromFile(Decrypt(store.ReadString(Settings, OnExit, "")));
  config.ResultsFolder = store.ReadString(Results, Folder, "");
  return config;
}

void SaveClientConfig(const std::string& path, const ClientConfig& config) {
  using namespace ClientFile;
  TIniStore store(path);
  store.WriteString(Settings, Logo, ToFile(OneLineValue(LogoFileName(config.Logo))));
  store.WriteBool(Settings, CustomAbout, config.CustomAbout);
  store.WriteString(Settings, AboutWho, ToFile(OneLineValue(config.AboutWho)));
  store.WriteString(Settings, AboutUrl, ToFile(OneLineValue(config.AboutUrl)));
  TStrings message = StorableMessageLines(config.AboutMessage);
  for (std::string& line : message) line = ToFile(line);
  store.WriteSectionValues(AboutMessage, message);
  store.WriteBool(Settings, FullScreen, config.FullScreen);
  store.WriteString(Settings, History, Encrypt(ToFile(config.HistoryPassword)));
  store.WriteString(Settings, OnExit, Encrypt(ToFile(config.ExitPassword)));
  if (config.ResultsFolder.empty())
    store.EraseSection(Results);
  else
    store.WriteString(Results, Folder, OneLineValue(config.ResultsFolder));
  store.UpdateFile();
}

std::string LogoFileName(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\:");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}
