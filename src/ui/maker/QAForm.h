#pragma once

#include <QDialog>
#include <QPixmap>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/model/TestSearch.h"
#include "core/storage/FileStamp.h"
#include "ui/maker/EditorUndo.h"
#include "ui/maker/FindBar.h"
#include "ui/platform/Artwork.h"
#include "ui/platform/Globals.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
class QUndoStack;
class QVBoxLayout;
class QuestionSet;
class TSpellHighlighter;
class TSpeller;

// The question editor: one question of the current test on the screen at a
// time, over the run's QuestionSet. The questions are loaded from
// CurrentTestPath 50 ms after the window is created, and written back only by
// Save. Every command copies the screen into the current question first
// (SaveCurrent) and shows the question it leads to afterwards
// (DisplayNextQuestion).
class TQAForm : public QDialog, public TUndoableScreen, public TSearchableEditor {
  Q_OBJECT

public:
  TQAForm(TGlobals& globals, QWidget* parent = nullptr);
  ~TQAForm() override;

  // Shows question CurrentIndex after bringing it into range, with the caption
  // and the enabled state of Previous and Next.
  void DisplayNextQuestion();
  // Copies the screen into the current question, every character kept;
  // true (the command that called it goes on).
  bool SaveCurrent() override;
  // Enables both pass-rule buttons with two or more correct answers checked.
  void CheckHowMany();

  // Which viewer the engine opens the media file with, carried with it.
  enum class TMediaViewer { External = 0, Internal = 1 };

  void StartTimerTimer();
  void SaveButtonClick();
  void ExitButtonClick();
  // Import Questions: the questions of a file, after the last one, as one
  // step that Undo takes back.
  void ImportQuestions1Click();
  void PreviewTest1Click();  // asks to save changes, then opens qwtest at this question
  void RevertButtonClick();
  void BottomButtonClick();
  void PrevButtonClick();
  void NextButtonClick();
  void TopButtonClick();
  void JumpButtonClick();
  void QuestionList1Click();
  void AddNewButtonClick();
  void DeleteButtonClick();
  void Button9Click();   // copy the question text
  void Button10Click();  // paste the question text
  void Button7Click();   // copy the answers
  void Button8Click();   // paste the answers
  void BitBtn1Click();   // hot link
  void BitBtn2Click();   // media file
  void Help1Click();
  void Undo1Click();
  void Redo1Click();
  void Find1Click();           // the find bar
  void Replace1Click();        // the find bar with its replace row
  void CheckSpelling1Click();  // every unknown word of the test, in the find bar's list

  // The undo history: every edit of the screen and every change of the
  // questions since the test was loaded.
  QUndoStack* History() const { return Undo; }
  // Shows question number with the screen as state, the keyboard in part:
  // an edit of the undo history taken back or made again.
  void ShowEdit(int number, const TScreenState& state, int part) override;
  // Puts the questions back as they were before change (undo) or after it.
  void ShowSetChange(const TQuestionSetChange& change, bool undo) override;
  // Runs change on the questions (the screen already copied into them) as one
  // step of the undo history named text, and shows the current question.
  void ChangeQuestions(const QString& text, const std::function<void()>& change) override;
  // Copies the screen into the current question.
  void StoreScreen() override;
  // Shows the question of hit with its text selected; false when the question
  // on the screen could not be left.
  bool ShowHit(const TSearchHit& hit) override;
  // Makes the window tall enough for the find bar, or as it was without it.
  void FitFindBar() override;
  // Shows question number once the questions are loaded, instead of the first.
  void StartAt(int number) { StartNumber = number; }
  // Checks spelling in language from now on, and for this test in later runs
  // when remember is set. Without its dictionary, says so once in the run.
  void UseLanguage(const QString& language, bool remember);
  const TSpeller* Speller() const { return SpellerInUse; }
  // The context menu of a text box at pos: the box's own, with the
  // suggestions, "Add to word list" and "Ignore" above it for an unknown word.
  QMenu* SpellingMenu(QPlainTextEdit* box, const QPoint& pos);

protected:
  // Esc does not close the editor: unsaved edits would go without a question.
  // It closes the find bar.
  void keyPressEvent(QKeyEvent* event) override;
  // The close box asks as Exit does.
  void closeEvent(QCloseEvent* event) override;
  // Ctrl+Z and Ctrl+Shift+Z in a text box go to the editor's history.
  bool eventFilter(QObject* watched, QEvent* event) override;

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
  // Save: the screen stored, untitled questions asked about, the test
  // written; false when any step was declined or failed.
  bool SaveTest();
  // Whether the editor may close on the close box: asks Save, Don't Save or
  // Cancel when the questions differ from the file, nothing otherwise.
  bool MayCloseUnsaved();
  TScreenState CaptureScreen() const;
  void ShowScreen(const TScreenState& state);
  // Records an edit of the screen in the undo history.
  void ScreenChanged();
  // Copies the category and the tags fields into the current question, each
  // change a step of the undo history of its own.
  void StoreBankFields();
  // The text box of a field.
  QWidget* FieldWidget(int part) const;

  TGlobals& Globals;
  QuestionSet& Questions;

  QTimer* StartTimer;
  QToolButton* PrevButton;
  QToolButton* NextButton;
  QAction* Previous1;
  QAction* Bottom1;
  QPlainTextEdit* QuestionEdit;                // "QuestionLabel"
  std::array<QPlainTextEdit*, 6> AnswerEdits;  // "AnswerLabelA" to "AnswerLabelF"
  std::array<QCheckBox*, 6> CheckBoxes;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QLineEdit* ReferenceText;
  // The question's place in a bank: its category path and its tags.
  QLineEdit* CategoryText;
  QLineEdit* TagsText;
  QPushButton* Button8;
  QPushButton* Button10;
  // Hidden labels that hold the question's link, its parameters and its
  // media file ("HotLinkLabel", "HotLinkParmsLabel", "MMediaLabel").
  QLabel* HotLinkValue;
  QLabel* HotLinkParmsValue;
  QLabel* MMediaValue;
  TMediaViewer MMediaTag = TMediaViewer::External;
  TFileStamp LoadedStamp;  // the test file as the questions were loaded from it
  QUndoStack* Undo;
  TFindBar* FindBar;
  TSpeller* SpellerInUse = nullptr;  // none until a test is loaded
  std::vector<TSpellHighlighter*> Highlighters;
  QMenu* LanguageMenu;
  std::unique_ptr<TScreenState> Shown;  // the screen as the history last saw it
  bool Showing = false;                 // the screen is being filled, not edited
  bool Closing = false;                 // the close is agreed to
  int StartNumber = 1;                  // the question shown after the load
  int PlainHeight = 0;                  // the window's height without the find bar
};
