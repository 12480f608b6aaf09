#include "core/model/ClientConfig.h"

#include "core/model/TestFolder.h"
#include "core/storage/ZarnEncryption.h"

std::string ClientConfigPath(const std::string& programFolder) {
  return TestFolder::FindFile(programFolder, ClientFile::FileName);
}

ClientConfig LoadClientConfig(const std::string& path) {
  using namespace ClientFile;
  TIniStore store(path);
  ClientConfig config;
  config.Logo = store.ReadString(Settings, Logo, "");
  config.CustomAbout = store.ReadBool(Settings, CustomAbout, false);
  if (config.CustomAbout) {
    config.AboutWho = store.ReadString(Settings, AboutWho, "");
    config.AboutUrl = store.ReadString(Settings, AboutUrl, "");
    store.ReadSectionValues(AboutMessage, config.AboutMessage);
  }
  config.FullScreen = store.ReadBool(Settings, FullScreen, false);
  config.HistoryPassword = Decrypt(store.ReadString(Settings, History, ""));
  config.ExitPassword = Decrypt(store.ReadString(Settings, OnExit, ""));
  config.ResultsFolder = store.ReadString(Results, Folder, "");
  return config;
}

void SaveClientConfig(const std::string& path, const ClientConfig& config) {
  using namespace ClientFile;
  TIniStore store(path);
  store.WriteString(Settings, Logo, OneLineValue(LogoFileName(config.Logo)));
  store.WriteBool(Settings, CustomAbout, config.CustomAbout);
  store.WriteString(Settings, AboutWho, OneLineValue(config.AboutWho));
  store.WriteString(Settings, AboutUrl, OneLineValue(config.AboutUrl));
  store.WriteSectionValues(AboutMessage, StorableMessageLines(config.AboutMessage));
  store.WriteBool(Settings, FullScreen, config.FullScreen);
  store.WriteString(Settings, History, Encrypt(config.HistoryPassword));
  store.WriteString(Settings, OnExit, Encrypt(config.ExitPassword));
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
