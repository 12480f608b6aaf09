#pragma once

#include <optional>

#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/ShellOpen.h"

// Stand-ins for the desktop while a window is timed: nothing waits for a user
// and nothing is opened.
namespace QuietPlatform {

// Answers every box with its first button and every file dialog with nothing.
class TAnsweringDialogs : public TDialogs {
public:
  TButton Message(TMessageKind kind, const QString&) override {
    return kind == TMessageKind::Confirmation ? TButton::Yes : TButton::Ok;
  }
  std::optional<QString> OpenFile(const TFileDialogOptions&) override { return std::nullopt; }
  std::optional<QString> SaveFile(const TFileDialogOptions&) override { return std::nullopt; }
  std::optional<QString> ChooseFolder(const TFileDialogOptions&) override { return std::nullopt; }
};

// Shows no help.
class TNoHelp : public THelpViewer {
public:
  void ShowContents() override {}
  void ShowContext(int) override {}
  void Quit() override {}
};

// Opens and starts nothing and answers with Result.
class TNoShell : public TShellOpen {
public:
  explicit TNoShell(TOpenResult result = TOpenResult::Accepted) : Result(result) {}
  TOpenResult ExecuteFile(const QString&, const QString&, const QString&) override { return Result; }
  TProgramStart StartProgram(const QString&, const QString&, const QString&) override { return {Result, {}}; }

private:
  TOpenResult Result;
};

}  // namespace QuietPlatform
