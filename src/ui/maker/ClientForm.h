#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

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
class TClientForm : public QDialog {
  Q_OBJECT

 public:
  explicit TClientForm(TGlobals& globals, QWidget* parent = nullptr);

  // Size of the logo preview; also the size of the built-in logo.
  static constexpr int LogoWidth = 471;
  static constexpr int LogoHeight = 139;

  void FormShow();
  void ApplyButtonClick();
  void Button1Click();
  void Button3Click();
  void Button2Click();
  void Edit1Change();
  void RadioButton1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  void EnableApply();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* BuildLogoTab();
  QWidget* BuildAboutTab();
  QWidget* BuildBehaviorTab();

  // Writes the file from the controls. False when the user declined to store
  // characters the code page cannot hold; nothing is written then.
  // Throws TIoError.
  bool Save();
  // Memo1's lines as the box shows them: each wrapped piece is a line, and an
  // empty last line is not taken.
  QStringList MemoLines() const;
  QString ConfigPath() const;

  // Loads path into Image2 and shows it; a file that is no readable picture
  // leaves the built-in logo with a line saying so.
  void ShowPicture(const QString& path);
  void ShowBuiltInLogo();
  void PasswordChoice(QCheckBox* check, QLabel* label, QLineEdit* box);

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
  QPushButton* Button1;
  QPushButton* Button3;
  QPushButton* ApplyButton;
};
