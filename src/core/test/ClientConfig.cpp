#include "core/test/ClientConfig.h"

#include <algorithm>

#include "core/storage/ZarnEncryption.h"
#include "core/test/TestFolder.h"

namespace {

// A line break or Ctrl-Z inside a value would split it or end the file when it
// is read back, losing everything after it.
std::string OneLine(std::string_view text) {
  std::string line(text);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n' || c == '\x1A'; }, ' ');
  return line;
}

// A bracketed line would start a new section on reading, taking the rest of the
// message with it, and the store skips an empty line: a trailing blank keeps
// either an ordinary line.
std::string MessageLine(std::string_view text) {
  std::string line = OneLine(text);
  if (line.empty() || (line.size() >= 2 && line.front() == '[' && line.back() == ']')) line += ' ';
  return line;
}

}  // namespace

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
  return config;
}

void SaveClientConfig(const std::string& path, const ClientConfig& config) {
  using namespace ClientFile;
  TIniStore store(path);
  store.WriteString(Settings, Logo, OneLine(LogoFileName(config.Logo)));
  store.WriteBool(Settings, CustomAbout, config.CustomAbout);
  store.WriteString(Settings, AboutWho, OneLine(config.AboutWho));
  store.WriteString(Settings, AboutUrl, OneLine(config.AboutUrl));
  TStrings lines;
  lines.reserve(config.AboutMessage.size());
  for (const std::string& line : config.AboutMessage) lines.push_back(MessageLine(line));
  store.WriteSectionValues(AboutMessage, lines);
  store.WriteBool(Settings, FullScreen, config.FullScreen);
  store.WriteString(Settings, History, Encrypt(config.HistoryPassword));
  store.WriteString(Settings, OnExit, Encrypt(config.ExitPassword));
  store.UpdateFile();
}

std::string LogoFileName(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\:");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}
