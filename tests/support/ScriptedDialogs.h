#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/ShellOpen.h"

// A TDialogs that answers from a queue and records everything shown. Each
// expected prompt is queued with the answer to give; a prompt that was not
// expected, or of another kind, fails the running test, and so does an answer
// left unused when the object is destroyed (call Clear() to drop them on
// purpose).
class TScriptedDialogs : public TDialogs {
public:
  struct TShown {
    TMessageKind Kind;
    QString Text;
  };
  struct TFileShown {
    bool Save;
    TFileDialogOptions Options;
  };

  ~TScriptedDialogs() override;

  // The folder the window set for its file dialogs to open in.
  const QString& StartFolderOfDialogs() const { return StartFolder; }

  // Queue the answer to the next message box; its kind and exact text are checked.
  void ExpectMessage(TMessageKind kind, const QString& text, TButton answer = TButton::Ok);
  // Queue the answer to the next open or save dialog; nothing means cancelled.
  void ExpectOpen(std::optional<QString> answer);
  void ExpectSave(std::optional<QString> answer);
  void ExpectFolder(std::optional<QString> answer);

  TButton Message(TMessageKind kind, const QString& text) override;
  std::optional<QString> OpenFile(const TFileDialogOptions& options) override;
  std::optional<QString> SaveFile(const TFileDialogOptions& options) override;
  std::optional<QString> ChooseFolder(const TFileDialogOptions& options) override;

  bool AllUsed() const { return Pending.empty(); }
  void Clear() { Pending.clear(); }

  std::vector<TShown> Messages;   // every message box shown, in order
  std::vector<TFileShown> Files;  // every file dialog shown, in order

private:
  struct TExpected {
    enum { MessageBox, Open, Save, Folder } What;
    TMessageKind Kind = TMessageKind::Information;
    QString Text;
    TButton Answer = TButton::Ok;
    QString Path;  // empty: the dialog is cancelled
  };
  TExpected Take(const char* what);
  std::deque<TExpected> Pending;
};

// Records what the help viewer was asked to do.
class TRecordingHelp : public THelpViewer {
public:
  void ShowContents() override { Calls.push_back(-1); }
  void ShowContext(int context) override { Calls.push_back(context); }
  void Quit() override { ++QuitCount; }

  std::vector<int> Calls;  // contexts shown; -1 for the contents
  int QuitCount = 0;
};

// Records what would have been opened, answering with Results in turn.
class TRecordingShell : public TShellOpen {
public:
  struct TCall {
    QString FileName, Parameters, Folder;
  };
  TOpenResult ExecuteFile(const QString& fileName, const QString& parameters,
                          const QString& folder) override {
    Calls.push_back({fileName, parameters, folder});
    return TakeResult();
  }
  // Recorded and answered as ExecuteFile; a start that fails gives StartFailure.
  TProgramStart StartProgram(const QString& programName, const QString& parameters,
                             const QString& folder) override {
    Calls.push_back({programName, parameters, folder});
    const TOpenResult result = TakeResult();
    return {result, result == TOpenResult::NotStarted ? StartFailure : QString()};
  }
  std::vector<TCall> Calls;
  std::deque<TOpenResult> Results;  // answers in turn; Accepted when empty
  QString StartFailure = QStringLiteral("Permission denied");

private:
  TOpenResult TakeResult() {
    if (Results.empty()) return TOpenResult::Accepted;
    const TOpenResult result = Results.front();
    Results.pop_front();
    return result;
  }
};
