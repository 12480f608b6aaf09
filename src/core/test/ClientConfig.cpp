#include "core/test/ClientConfig.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/storage/ZarnEncryption.h"

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
  };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::string ClientConfigPath(const std::string& programFolder) {
  const std::filesystem::path folder(programFolder);
  std::string found;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name == ClientFile::FileName) return it->path().string();
    // Of several spellings, the same one is chosen on every run.
    if (SameNameIgnoringCase(name, ClientFile::FileName) && (found.empty() || name < found)) found = name;
  }
  return (folder / (found.empty() ? std::string(ClientFile::FileName) : found)).string();
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
  store.UpdateFile();
}

std::string LogoFileName(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\:");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}
