#pragma once

#include <QDialog>
#include <QPixmap>
#include <QStringList>
#include <array>

#include "core/storage/FileStamp.h"
#include "ui/platform/Artwork.h"
#include "ui/platform/Globals.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
class QVBoxLayout;
class QuestionSet;

// The question editor: one question of the current test on the screen at a
// time, over the run's QuestionSet. The questions are loaded from
// CurrentTestPath 50 ms after the window is created, and written back only by
// Save. Every command copies the screen into the current question first
// (SaveCurrent) and shows the question it leads to afterwards
// (DisplayNextQuestion).
class TQAForm : public QDialog {
  Q_OBJECT

public:
  TQAForm(TGlobals& globals, QWidget* parent = nullptr);

  // Shows question CurrentIndex after bringing it into range, with the caption
  // and the enabled state of Previous and Next.
  void DisplayNextQuestion();
  // Copies the screen into the current question. When the screen holds
  // characters the code page cannot hold, asks first: Yes stores them as "?"
  // (and shows the question as stored), No copies nothing and returns false,
  // and the command that called it stops.
  bool SaveCurrent();
  // Enables both pass-rule buttons with two or more correct answers checked.
  void CheckHowMany();

  // Which viewer the engine opens the media file with, carried with it.
  enum class TMediaViewer { External = 0, Internal = 1 };
  // The flag as a number: 1 for the engine's internal viewer.
  int MMediaLabelTag() const { return static_cast<int>(MMediaTag); }

  void StartTimerTimer();
  void SaveButtonClick();
  void ExitButtonClick();
  void PreviewTest1Click();  // asks to save changes, then opens qwtest at this question
  void RevertButtonClick();
  void BottomButtonClick();
  void PrevButtonClick();
  void NextButtonClick();
  void TopButtonClick();
  void JumpButtonClick();
  void AddNewButtonClick();
  void DeleteButtonClick();
  void Button9Click();   // copy the question text
  void Button10Click();  // paste the question text
  void Button7Click();   // copy the answers
  void Button8Click();   // paste the answers
  void BitBtn1Click();   // hot link
  void BitBtn2Click();   // media file
  void Help1Click();

  void SaveTest1Click() { SaveButtonClick(); }
  void RevertTest1Click() { RevertButtonClick(); }
  void Exit1Click() { ExitButtonClick(); }
  void Edit1Click() { AddNewButtonClick(); }
  void DeleteCurrentQuestion1Click() { DeleteButtonClick(); }
  void Bottom1Click() { NextButtonClick(); }
  void Previous1Click() { PrevButtonClick(); }
  void Top1Click() { TopButtonClick(); }
  void Bottom2Click() { BottomButtonClick(); }
  void Jumpto1Click() { JumpButtonClick(); }

protected:
  // Esc does not close the editor: unsaved edits would go without a question.
  void keyPressEvent(QKeyEvent* event) override;

private:
  void CreateMenus();
  void CreateToolBar(QVBoxLayout* column);
  void CreateQuestionArea(QVBoxLayout* column);
  void CreateAnswerArea(QVBoxLayout* column);
  QToolButton* ToolButton(const char* name, TEditorPicture picture, const QString& hint);
  void CloseEditor();
  // Writes the questions back to the test, asking first when another program
  // has written it since the load; false when nothing was written.
  bool WriteQuestions();
  // Every text of the screen that SaveCurrent stores.
  QStringList ScreenTexts() const;

  TGlobals& Globals;
  QuestionSet& Questions;

  QTimer* StartTimer;
  QToolButton* PrevButton;
  QToolButton* NextButton;
  QAction* Previous1;
  QAction* Bottom1;
  QPlainTextEdit* QuestionLabel;
  std::array<QPlainTextEdit*, 6> AnswerLabels;
  std::array<QCheckBox*, 6> CheckBoxes;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QLineEdit* ReferenceText;
  QPushButton* Button8;
  QPushButton* Button10;
  QLabel* HotLinkLabel;
  QLabel* HotLinkParmsLabel;
  QLabel* MMediaLabel;
  TMediaViewer MMediaTag = TMediaViewer::External;
  TFileStamp LoadedStamp;  // the test file as the questions were loaded from it
};
