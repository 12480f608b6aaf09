#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"
#include "support/Questions.h"

// Runs the built qwtool as a user would and captures what it prints.

struct TToolResult {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

namespace ToolRunDetail {

inline std::string ReadAll(std::FILE* file) {
  std::string text;
  std::rewind(file);
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
  std::fclose(file);
  return text;
}

}  // namespace ToolRunDetail

// qwtool at program with arguments, run in workingFolder when one is given.
inline TToolResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                              const std::filesystem::path& workingFolder = {}) {
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  if (!out || !err) throw std::runtime_error("cannot capture the tool's output");
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    if ((!workingFolder.empty() && chdir(workingFolder.c_str()) != 0) || dup2(fileno(out), 1) < 0 ||
        dup2(fileno(err), 2) < 0) {
      _exit(127);
    }
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) throw std::runtime_error("cannot run " + program);
  TToolResult result;
  result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.Out = ToolRunDetail::ReadAll(out);
  result.Err = ToolRunDetail::ReadAll(err);
  return result;
}

inline TToolResult RunTool(const std::vector<std::string>& arguments,
                           const std::filesystem::path& workingFolder = {}) {
  return RunProgram(QWTOOL_PATH, arguments, workingFolder);
}

// Writes an enciphered SETTINGS value, or a question, into a test being built.
inline void WriteSetting(TIniStore& store, std::string_view key, std::string_view plain) {
  store.WriteString(TestFile::Settings, key, Encrypt(plain));
}

// What WriteTestFile puts in a test: plain SETTINGS values (enciphered there)
// in order, the two messages when they hold lines, and questions as QA1, QA2, ...
struct TTestLayout {
  std::vector<std::pair<std::string_view, std::string_view>> Settings{};
  TStrings BeginMessage{};
  TStrings EndMessage{};
  std::vector<QuestionRecord> Questions{};
};

inline void WriteTestFile(const std::string& path, const TTestLayout& test) {
  TIniStore store(path);
  for (const auto& [key, plain] : test.Settings) WriteSetting(store, key, plain);
  if (!test.BeginMessage.empty()) store.WriteSectionValues(TestFile::BeginMessage, test.BeginMessage);
  if (!test.EndMessage.empty()) store.WriteSectionValues(TestFile::EndMessage, test.EndMessage);
  for (size_t i = 0; i < test.Questions.size(); ++i)
    TestFile::WriteQuestion(store, static_cast<int>(i) + 1, test.Questions[i]);
  store.UpdateFile();
}
