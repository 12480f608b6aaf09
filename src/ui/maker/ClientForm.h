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

  void FormShow();
  void Button2Click();
  void Edit1Change();
  void RadioButton1Click();
  void CheckBox2Click();
  void CheckBox3Click();
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

  // Loads path into Image2 and shows it; a file that is no readable picture
  // leaves the built-in logo with a line saying so.
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

  QLineEdit* Edit1;
  QPushButton* Button2;
  QLabel* Image1;
  QLabel* Image2;
  QLabel* LogoError;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QPlainTextEdit* Memo1;
  QCheckBox* CheckBox1;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox3;
  QLabel* Label12;
  QLabel* Label14;
  QLineEdit* Edit4;
  QLineEdit* Edit5;
  QLineEdit* ResultsFolderEdit;
};
