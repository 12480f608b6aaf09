#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/storage/OutputDestination.h"

class QWidget;

// The kinds of message box. Information, Error and Plain have an OK button;
// Confirmation has Yes and No, Yes the default. RiskyConfirmation asks before
// something that destroys or discards work: No is its default, so Enter keeps
// the work. UnsavedChanges asks before closing on work not yet saved, with
// Save (answered as Yes, the default), Don't Save (No) and Cancel (Esc).
enum class TMessageKind { Information, Error, Plain, Confirmation, RiskyConfirmation, UnsavedChanges };
enum class TButton { Ok, Yes, No, Cancel };

// A file dialog as the system describes it. Filter is written the system's way,
// "Quizwell Files|*.QWT|All Files|*.*"; DefaultExt ("QWT") is added to a name
// typed without extension that names no existing file (in a save dialog, the
// extension of the chosen filter is added instead where it names one);
// FileName presets the name.
struct TFileDialogOptions {
  QString Title;
  QString Filter;
  QString DefaultExt;
  QString FileName;
};

// Every message box and file dialog goes through this interface, so screens can
// be driven by a scripted implementation in tests.
class TDialogs {
public:
  virtual ~TDialogs() = default;

  // Shows text (a '\r' in it is a line break) and returns the button pressed.
  virtual TButton Message(TMessageKind kind, const QString& text) = 0;
  // The chosen path, or nothing when cancelled. Neither asks about overwriting.
  virtual std::optional<QString> OpenFile(const TFileDialogOptions& options) = 0;
  virtual std::optional<QString> SaveFile(const TFileDialogOptions& options) = 0;
  // A folder chosen (only Title and FileName, the folder shown first, count),
  // or nothing when cancelled.
  virtual std::optional<QString> ChooseFolder(const TFileDialogOptions& options) = 0;
  // Existing files chosen, none when cancelled; one at a time unless the
  // platform's dialog offers more.
  virtual QStringList OpenFiles(const TFileDialogOptions& options) {
    const std::optional<QString> file = OpenFile(options);
    return file ? QStringList{*file} : QStringList();
  }

  // The folder every file dialog opens in (the working folder, where the
  // catalogue and the engine look for tests); empty for the platform's choice.
  // A preset file name without a folder is taken in it.
  void SetStartFolder(const QString& folder) { StartFolder = folder; }

  bool Confirm(const QString& text) { return Message(TMessageKind::Confirmation, text) == TButton::Yes; }
  bool ConfirmRisk(const QString& text) {
    return Message(TMessageKind::RiskyConfirmation, text) == TButton::Yes;
  }
  void Inform(const QString& text) { Message(TMessageKind::Information, text); }
  void Error(const QString& text) { Message(TMessageKind::Error, text); }

protected:
  QString StartFolder;
};

// QMessageBox and QFileDialog, owned by the program's active window, or by the
// window given as parent when none is active.
class TQtDialogs : public TDialogs {
public:
  explicit TQtDialogs(QWidget* parent = nullptr) : Parent(parent) {}
  void SetParent(QWidget* parent) { Parent = parent; }

  TButton Message(TMessageKind kind, const QString& text) override;
  std::optional<QString> OpenFile(const TFileDialogOptions& options) override;
  std::optional<QString> SaveFile(const TFileDialogOptions& options) override;
  std::optional<QString> ChooseFolder(const TFileDialogOptions& options) override;
  QStringList OpenFiles(const TFileDialogOptions& options) override;

private:
  // The window a box or dialog belongs to: the active one, or Parent.
  QWidget* Owner() const;
  QWidget* Parent;
};

// "Quizwell Files|*.QWT|All Files|*.*" to Qt's "Quizwell Files (*.QWT *.qwt);;All Files (*)".
// Patterns match without regard to case: each pattern is given in both cases.
// A name that already shows its patterns ("GIFT Files (*.gift)") shows them once.
QString QtFilter(const QString& systemFilter);

// The extension a Qt filter's first pattern names ("gift" for "GIFT Files
// (*.gift *.GIFT)"); empty when it names none ("All Files (*)").
QString FilterExtension(const QString& qtFilter);

// Adds "." + defaultExt to a typed name: a path whose file name has no
// extension and that names nothing existing.
QString WithDefaultExtension(const QString& path, const QString& defaultExt);

// Before anything is written: when texts hold characters the code page cannot
// hold, asks whether to store them as "?" and names them. True to go ahead
// (nothing to ask, or Yes), false to return with nothing written.
bool StorableOrAsk(TDialogs& dialogs, const QStringList& texts);

// Before an output is written: whether the core's output rule (OutputRefusal)
// lets it go to output: not over one of inputs, not over protectedFiles (the
// results store, StoreFiles), not over a test or a database when it writes
// another kind. When it may not, says why and returns false; nothing may be
// written then. Throws TIoError when a file cannot be looked at.
bool OutputAllowed(TDialogs& dialogs, const QString& output, const QStringList& inputs,
                   const std::vector<std::string>& protectedFiles = {}, TFileKind writes = TFileKind::Other);

// The program's single top-level error handler: runs body, and when it throws,
// shows the error's text in an error box. The action in progress ends there;
// nothing is rethrown into Qt's event loop. Returns false when body threw.
bool RunGuarded(TDialogs& dialogs, const std::function<void()>& body);
