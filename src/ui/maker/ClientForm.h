#pragma once

#include <QString>
#include <QStringList>

#include "ui/platform/ApplyDialog.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct TGlobals;

// The client configuration dialog: edits the student engine's configuration
// file in the program's folder (custom logo, custom about box, full-screen
// mode, history and exit passwords). The enabled state of ApplyButton is the
// only record of unapplied changes. Created for one opening, exec()'d modally.
class TClientForm : public TApplyDialog {
  Q_OBJECT

public:
  explicit TClientForm(TGlobals& globals, QWidget* parent = nullptr);

  // Size of the logo preview; also the size of the built-in logo.
  static constexpr int LogoWidth = 471;
  static constexpr int LogoHeight = 139;

  // Fills the controls from the file, once, when the window is first shown.
  void LoadConfig();
  // Picks a bitmap for the logo and shows it.
  void ChooseLogo();
  // Records the change; an emptied logo name brings back the built-in logo.
  void LogoNameChanged();
  // The about-box texts are editable only with the custom about box chosen.
  void AboutChoiceChanged();
  // A password box is editable only while its lock is checked; unchecking
  // empties it.
  void HistoryLockChanged();
  void ExitLockChanged();
  // Chooses the results folder, and offers to make a folder of the user's a
  // drop folder.
  void ResultsBrowseButtonClick();

protected:
  void showEvent(QShowEvent* event) override;

private:
  QWidget* BuildLogoTab();
  QWidget* BuildAboutTab();
  QWidget* BuildBehaviorTab();
  QWidget* BuildResultsTab();

  // Writes the file from the controls. False when the user declined to store
  // characters the code page cannot hold, or writing failed (already
  // reported); nothing is written then.
  bool Save() override;
  QString ConfigPath() const;

  // Loads path into CustomLogoImage and shows it; a file that is no readable
  // picture leaves the built-in logo with a line saying so.
  void ShowPicture(const QString& path);
  void ShowBuiltInLogo();
  void PasswordChoice(QCheckBox* check, QLabel* label, QLineEdit* box);
  // The engine finds its logo only in its own folder: a picture picked
  // elsewhere is copied there when the user agrees (and agrees to replace a
  // file of its name). Returns the path to show: the copy, or picked as it
  // was. Throws TIoError when the copy cannot be made.
  QString LogoInEngineFolder(const QString& picked);

  TGlobals& Globals;
  bool Loaded = false;

  QLineEdit* LogoNameEdit;
  QPushButton* LogoBrowseButton;
  QLabel* BuiltInLogoImage;  // shown while no custom logo is
  QLabel* CustomLogoImage;
  QLabel* LogoError;
  QRadioButton* CustomAboutOption;
  QRadioButton* NoCustomAboutOption;
  QLabel* AboutMessageLabel;
  QLabel* AboutUrlLabel;
  QLabel* AboutWhoLabel;
  QLineEdit* AboutUrlEdit;
  QLineEdit* AboutWhoEdit;
  QPlainTextEdit* AboutMessageMemo;
  QCheckBox* FullScreenCheck;
  QCheckBox* HistoryLockCheck;
  QCheckBox* ExitLockCheck;
  QLabel* HistoryPasswordLabel;
  QLabel* ExitPasswordLabel;
  QLineEdit* HistoryPasswordEdit;
  QLineEdit* ExitPasswordEdit;
  QLineEdit* ResultsFolderEdit;
};
