#include "ui/maker/QAForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/model/QuestionSet.h"
#include "core/model/QuestionSetChange.h"
#include "core/model/TestFolder.h"
#include "ui/maker/EditorUndo.h"
#include "ui/maker/FindBar.h"
#include "ui/maker/ImportFlow.h"
#include "ui/maker/JumpForm.h"
#include "ui/maker/MMediaForm.h"
#include "ui/maker/NoteForm.h"
#include "ui/maker/Spelling.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/Preview.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"
#include "ui/platform/WriteOver.h"

namespace {

constexpr int ClientWidth = 570;
constexpr int ClientHeight = 478;
constexpr int ToolPictureSize = 20;
constexpr int AreaPictureSize = 32;
constexpr int LinkPictureSize = 24;
constexpr int LoadDelayMs = 50;

QString AddLimitText() {
  return QCoreApplication::translate("TQAForm", "Quizwell only supports up to 500 questions.");
}
QString DeleteAskText() {
  return QCoreApplication::translate("TQAForm", "Delete this question?");
}
QString DeletedText() {
  return QCoreApplication::translate("TQAForm", "Question has been deleted.");
}
QString ExitAskText() {
  return QCoreApplication::translate(
      "TQAForm", "Any changes made since you last saved will be lost!\rWould you like to exit?");
}
QString RevertAskText() {
  return QCoreApplication::translate(
      "TQAForm",
      "This will reload the test from disk.\rAny changes you have made will be lost!\r"
      "Are you sure that you want to revert?");
}
QString SavedAskText() {
  return QCoreApplication::translate("TQAForm", "Changes saved. Would you like to continue editing?");
}
QString UnsavedAskText() {
  return QCoreApplication::translate("TQAForm", "Save the changes to %1 before closing?");
}
QString RenumberedText() {
  return QCoreApplication::translate(
      "TQAForm",
      "The questions of this test were not numbered in sequence.\rThey are shown renumbered, and Save stores "
      "them under the new numbers.");
}

QString Numbers(const std::vector<int>& numbers) {
  QStringList listed;
  for (const int n : numbers) listed << QString::number(n);
  return listed.join(QStringLiteral(", "));
}

QString UntitledAskText(const std::vector<int>& numbers) {
  //: %1 lists question numbers.
  return QCoreApplication::translate("TQAForm",
                                     "These questions have no question text, so they cannot be saved: "
                                     "%1.\rTheir answers and other entries will be lost.\rSave without them?")
      .arg(Numbers(numbers));
}

QString EmptyLeftOutText(const std::vector<int>& numbers) {
  //: %1 lists question numbers.
  return QCoreApplication::translate("TQAForm",
                                     "These empty questions were not saved: %1.\rThe questions after them "
                                     "were saved under numbers that close the gap.")
      .arg(Numbers(numbers));
}
QString WrittenAnewText(const QString& path) {
  return QCoreApplication::translate("TQAForm",
                                     "The test file %1 was deleted while it was being edited.\rIt was "
                                     "written anew: the settings of a new test and these questions.")
      .arg(path);
}
QString NoDictionaryText(const QString& language) {
  //: %1 is a language, as "en_US".
  return QCoreApplication::translate(
             "TQAForm", "No spelling dictionary for %1 is installed, so spelling is not checked.")
      .arg(language);
}
// The run's note that a dictionary is missing, given once.
const char* const NoDictionaryTold = "quizwellNoDictionaryTold";

QString LoadingText() {
  return QCoreApplication::translate("TQAForm", "Loading questions.  Please wait...");
}
QString SavingText() {
  return QCoreApplication::translate("TQAForm", "Saving questions.  Please wait...");
}

QPushButton* TextButton(const char* name, const QString& caption) {
  auto* button = PushButton(name, caption);
  button->setFixedWidth(52);
  return button;
}

QPlainTextEdit* TextBox(const char* name, QWidget* parent) {
  auto* box = Named(new QPlainTextEdit(parent), name);
  box->setTabChangesFocus(true);
  // The editor's history, across questions, takes the place of the box's own.
  box->setUndoRedoEnabled(false);
  return box;
}

// The text of a box exactly as typed: toPlainText() would turn non-breaking
// spaces into blanks. Line and paragraph breaks become '\n'.
QString ExactText(const QPlainTextEdit* box) {
  QString text = box->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

QLabel* Holder(const char* name, QWidget* parent) {
  auto* holder = Named(new QLabel(parent), name);
  holder->setTextFormat(Qt::PlainText);
  holder->hide();
  return holder;
}

QLabel* Picture(const char* name, TEditorPicture picture, QWidget* parent) {
  auto* label = Named(new QLabel(parent), name);
  label->setPixmap(EditorPicture(picture, AreaPictureSize));
  label->setFixedSize(AreaPictureSize, AreaPictureSize);
  return label;
}

}  // namespace

TQAForm::TQAForm(TGlobals& globals, QWidget* parent)
    : QDialog(parent), Globals(globals), Questions(globals.Questions) {
  setObjectName(QStringLiteral("QAForm"));
  setWindowTitle(tr("Question"));
  Undo = Named(new QUndoStack(this), "History");

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 0, 6, 6);
  column->setSpacing(4);
  CreateMenus();
  CreateToolBar(column);
  CreateQuestionArea(column);
  CreateAnswerArea(column);

  auto* reference = new QHBoxLayout;
  auto* label3 = Named(new QLabel(tr("Reference"), this), "Label3");
  ReferenceText = Named(new QLineEdit(this), "ReferenceText");
  label3->setBuddy(ReferenceText);
  reference->addWidget(label3);
  reference->addWidget(ReferenceText);
  column->addLayout(reference);

  auto* bank = new QHBoxLayout;
  CategoryText = Named(new QLineEdit(this), "CategoryText");
  CategoryText->setPlaceholderText(tr("Mechanics/Forces"));
  TagsText = Named(new QLineEdit(this), "TagsText");
  TagsText->setPlaceholderText(tr("tags, separated by commas"));
  for (auto [caption, edit] : {std::pair{tr("Category"), CategoryText}, std::pair{tr("Tags"), TagsText}}) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    bank->addWidget(label);
    bank->addWidget(edit);
  }
  column->addLayout(bank);

  HotLinkValue = Holder("HotLinkLabel", this);
  HotLinkParmsValue = Holder("HotLinkParmsLabel", this);
  MMediaValue = Holder("MMediaLabel", this);

  FindBar = new TFindBar(*this, Globals);
  column->addWidget(FindBar);

  // Every edit of the screen goes into the history.
  for (QPlainTextEdit* box : AnswerEdits)
    connect(box, &QPlainTextEdit::textChanged, this, &TQAForm::ScreenChanged);
  connect(QuestionEdit, &QPlainTextEdit::textChanged, this, &TQAForm::ScreenChanged);
  connect(ReferenceText, &QLineEdit::textChanged, this, &TQAForm::ScreenChanged);
  for (QCheckBox* check : CheckBoxes) connect(check, &QCheckBox::toggled, this, &TQAForm::ScreenChanged);
  connect(RadioButton2, &QRadioButton::toggled, this, &TQAForm::ScreenChanged);
  for (QWidget* box : {static_cast<QWidget*>(QuestionEdit), static_cast<QWidget*>(ReferenceText)})
    box->installEventFilter(this);
  for (QPlainTextEdit* box : AnswerEdits) box->installEventFilter(this);
  std::vector<QPlainTextEdit*> boxes(AnswerEdits.begin(), AnswerEdits.end());
  boxes.push_back(QuestionEdit);
  for (QPlainTextEdit* box : boxes) {
    Highlighters.push_back(new TSpellHighlighter(box->document(), SpellerInUse));
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint& pos) {
      QMenu* menu = SpellingMenu(box, pos);
      menu->exec(box->viewport()->mapToGlobal(pos));
      delete menu;
    });
  }
  Shown = std::make_unique<TScreenState>(CaptureScreen());

  InstallHelpKey(this, Globals.Help, HelpContext::QA);

  StartTimer = Named(new QTimer(this), "StartTimer");
  StartTimer->setSingleShot(true);
  StartTimer->setInterval(LoadDelayMs);
  connect(StartTimer, &QTimer::timeout, this, &TQAForm::StartTimerTimer);

  PlainHeight = ClientHeight + layout()->menuBar()->sizeHint().height();
  setFixedSize(ClientWidth, PlainHeight);
  CentreOnScreen(this);

  // FormCreate: the questions are loaded once the window is up.
  StartTimer->start();
}

TQAForm::~TQAForm() = default;

void TQAForm::CreateMenus() {
  auto* mainMenu1 = Named(new QMenuBar(this), "MainMenu1");
  layout()->setMenuBar(mainMenu1);

  const auto item = [this](QMenu* menu, const char* name, const QString& caption,
                           void (TQAForm::*handler)()) {
    QAction* action = Named(menu->addAction(caption), name);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  const auto separator = [](QMenu* menu, const char* name) { Named(menu->addSeparator(), name); };

  QMenu* file1 = Named(mainMenu1->addMenu(tr("&File")), "File1");
  item(file1, "SaveTest1", tr("&Save Test"), &TQAForm::SaveButtonClick)->setShortcut(QKeySequence::Save);
  separator(file1, "N5");
  item(file1, "RevertTest1", tr("&Revert Test"), &TQAForm::RevertButtonClick);
  item(file1, "PreviewTest1", tr("&Preview Test"), &TQAForm::PreviewTest1Click);
  item(file1, "ImportQuestions1", tr("&Import Questions..."), &TQAForm::ImportQuestions1Click);
  separator(file1, "N1");
  item(file1, "Exit1", tr("&Exit"), &TQAForm::ExitButtonClick);

  QMenu* edit2 = Named(mainMenu1->addMenu(tr("&Edit")), "Edit2");
  QAction* undo1 = item(edit2, "Undo1", tr("&Undo"), &TQAForm::Undo1Click);
  undo1->setShortcuts(QKeySequence::Undo);
  QAction* redo1 = item(edit2, "Redo1", tr("&Redo"), &TQAForm::Redo1Click);
  redo1->setShortcuts(QKeySequence::Redo);
  for (QAction* action : {undo1, redo1}) action->setEnabled(false);
  connect(Undo, &QUndoStack::canUndoChanged, undo1, &QAction::setEnabled);
  connect(Undo, &QUndoStack::canRedoChanged, redo1, &QAction::setEnabled);
  connect(Undo, &QUndoStack::undoTextChanged, undo1, [undo1](const QString& text) {
    //: %1 names the change undone, as "Typing".
    undo1->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
  });
  connect(Undo, &QUndoStack::redoTextChanged, redo1, [redo1](const QString& text) {
    //: %1 names the change redone, as "Typing".
    redo1->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
  });
  separator(edit2, "N6");
  item(edit2, "Edit1", tr("&Add New Question"), &TQAForm::AddNewButtonClick);
  separator(edit2, "N4");
  item(edit2, "DeleteCurrentQuestion1", tr("&Delete Current Question"), &TQAForm::DeleteButtonClick);
  separator(edit2, "N7");
  item(edit2, "Find1", tr("&Find..."), &TQAForm::Find1Click)->setShortcut(QKeySequence::Find);
  item(edit2, "Replace1", tr("R&eplace..."), &TQAForm::Replace1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  separator(edit2, "N8");
  item(edit2, "CheckSpelling1", tr("Check &Spelling of the Whole Test"), &TQAForm::CheckSpelling1Click)
      ->setShortcut(QKeySequence(Qt::Key_F7));
  LanguageMenu = Named(edit2->addMenu(tr("Spelling &Language")), "SpellingLanguage1");
  auto* languages = new QActionGroup(LanguageMenu);
  for (const QString& language : TSpeller::Languages()) {
    QAction* choice = Named(LanguageMenu->addAction(language), QStringLiteral("Language_") + language);
    choice->setCheckable(true);
    languages->addAction(choice);
    connect(choice, &QAction::triggered, this, [this, language] { UseLanguage(language, true); });
  }

  QMenu* navigate1 = Named(mainMenu1->addMenu(tr("&Navigate")), "Navigate1");
  Bottom1 = item(navigate1, "Bottom1", tr("&Next"), &TQAForm::NextButtonClick);
  Bottom1->setShortcut(QKeySequence(Qt::Key_PageDown));
  Previous1 = item(navigate1, "Previous1", tr("&Previous"), &TQAForm::PrevButtonClick);
  Previous1->setShortcut(QKeySequence(Qt::Key_PageUp));
  separator(navigate1, "N2");
  item(navigate1, "Top1", tr("&Top"), &TQAForm::TopButtonClick);
  item(navigate1, "Bottom2", tr("&Bottom"), &TQAForm::BottomButtonClick);
  separator(navigate1, "N3");
  item(navigate1, "Jumpto1", tr("Jump to..."), &TQAForm::JumpButtonClick);

  QAction* help1 = Named(mainMenu1->addAction(tr("&Help")), "Help1");
  connect(help1, &QAction::triggered, this, &TQAForm::Help1Click);
}

QToolButton* TQAForm::ToolButton(const char* name, TEditorPicture picture, const QString& hint) {
  QToolButton* button = PictureButton(this, name, picture, ToolPictureSize, hint);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

void TQAForm::CreateToolBar(QVBoxLayout* column) {
  auto* toolBar1 = Named(new QFrame(this), "ToolBar1");
  toolBar1->setFrameShape(QFrame::StyledPanel);
  auto* strip = new QHBoxLayout(toolBar1);
  strip->setContentsMargins(2, 1, 2, 1);
  strip->setSpacing(1);
  const auto separator = [toolBar1, strip] {
    auto* line = new QFrame(toolBar1);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    strip->addSpacing(3);
    strip->addWidget(line);
    strip->addSpacing(3);
  };
  const auto add = [this, strip](const char* name, TEditorPicture picture, const QString& hint,
                                 void (TQAForm::*handler)()) {
    QToolButton* button = ToolButton(name, picture, hint);
    connect(button, &QToolButton::clicked, this, handler);
    strip->addWidget(button);
    return button;
  };

  add("SaveButton", TEditorPicture::Save, tr("Save Test"), &TQAForm::SaveButtonClick);
  add("ExitButton", TEditorPicture::Exit, tr("Exit"), &TQAForm::ExitButtonClick);
  separator();
  add("RevertButton", TEditorPicture::Revert, tr("Revert Test"), &TQAForm::RevertButtonClick);
  separator();
  const auto historyButton = [this, strip](const char* name, const char* theme,
                                           QStyle::StandardPixmap fallback, const QString& hint,
                                           void (TQAForm::*handler)()) {
    auto* button = Named(new QToolButton(this), name);
    button->setIcon(QIcon::fromTheme(QLatin1String(theme), style()->standardIcon(fallback)));
    button->setIconSize(QSize(ToolPictureSize, ToolPictureSize));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setEnabled(false);
    connect(button, &QToolButton::clicked, this, handler);
    strip->addWidget(button);
    return button;
  };
  QToolButton* undoButton =
      historyButton("UndoButton", "edit-undo", QStyle::SP_ArrowBack, tr("Undo"), &TQAForm::Undo1Click);
  QToolButton* redoButton =
      historyButton("RedoButton", "edit-redo", QStyle::SP_ArrowForward, tr("Redo"), &TQAForm::Redo1Click);
  connect(Undo, &QUndoStack::canUndoChanged, undoButton, &QToolButton::setEnabled);
  connect(Undo, &QUndoStack::canRedoChanged, redoButton, &QToolButton::setEnabled);
  separator();
  add("BottomButton", TEditorPicture::Bottom, tr("Bottom"), &TQAForm::BottomButtonClick);
  PrevButton = add("PrevButton", TEditorPicture::Previous, tr("Previous"), &TQAForm::PrevButtonClick);
  NextButton = add("NextButton", TEditorPicture::Next, tr("Next"), &TQAForm::NextButtonClick);
  add("TopButton", TEditorPicture::Top, tr("Top"), &TQAForm::TopButtonClick);
  add("JumpButton", TEditorPicture::Jump, tr("Jump To..."), &TQAForm::JumpButtonClick);
  separator();
  add("AddNewButton", TEditorPicture::Add, tr("Add New Question"), &TQAForm::AddNewButtonClick);
  add("DeleteButton", TEditorPicture::Delete, tr("Delete Current Question"), &TQAForm::DeleteButtonClick);
  strip->addStretch(1);
  column->addWidget(toolBar1);
}

void TQAForm::CreateQuestionArea(QVBoxLayout* column) {
  auto* row = new QHBoxLayout;
  auto* side = new QVBoxLayout;
  side->addWidget(Picture("Image1", TEditorPicture::Question, this), 0, Qt::AlignHCenter);
  QPushButton* button9 = TextButton("Button9", tr("Copy"));
  Button10 = TextButton("Button10", tr("Paste"));
  Button10->setEnabled(false);
  connect(button9, &QPushButton::clicked, this, &TQAForm::Button9Click);
  connect(Button10, &QPushButton::clicked, this, &TQAForm::Button10Click);
  side->addWidget(button9);
  side->addWidget(Button10);
  side->addStretch(1);
  row->addLayout(side);

  QuestionEdit = TextBox("QuestionLabel", this);
  QuestionEdit->setAccessibleName(tr("Question"));
  row->addWidget(QuestionEdit, 1);

  auto* links = new QVBoxLayout;
  const auto pictureButton = [this, links](const char* name, TEditorPicture picture, const QString& hint,
                                           void (TQAForm::*handler)()) {
    QToolButton* button = PictureButton(this, name, picture, LinkPictureSize, hint);
    connect(button, &QToolButton::clicked, this, handler);
    links->addWidget(button);
  };
  pictureButton("BitBtn1", TEditorPicture::HotLink, tr("Click to add a hot link."), &TQAForm::BitBtn1Click);
  pictureButton("BitBtn2", TEditorPicture::Media, tr("Click to add media file"), &TQAForm::BitBtn2Click);
  links->addStretch(1);
  row->addLayout(links);

  column->addLayout(row, 3);

  auto* label2 = Named(
      new QLabel(tr("Enter up to 6 answers.  Check the box next to each correct answer."), this), "Label2");
  column->addWidget(label2);
}

void TQAForm::CreateAnswerArea(QVBoxLayout* column) {
  auto* row = new QHBoxLayout;
  auto* side = new QVBoxLayout;
  side->addWidget(Picture("Image2", TEditorPicture::Answers, this), 0, Qt::AlignHCenter);
  QPushButton* button7 = TextButton("Button7", tr("Copy"));
  Button8 = TextButton("Button8", tr("Paste"));
  Button8->setEnabled(false);
  connect(button7, &QPushButton::clicked, this, &TQAForm::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TQAForm::Button8Click);
  side->addWidget(button7);
  side->addWidget(Button8);
  side->addStretch(1);
  row->addLayout(side);

  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(2);
  for (int i = 0; i < QuestionSet::AnswerCount; ++i) {
    const QChar letter(u'A' + i);
    const QByteArray checkName = "CheckBox" + QByteArray::number(i + 1);
    const QByteArray answerName = QByteArray("AnswerLabel") + static_cast<char>('A' + i);
    auto* check = Named(new QCheckBox(QString(letter) + QLatin1Char(':'), this), checkName.constData());
    connect(check, &QCheckBox::toggled, this, &TQAForm::CheckHowMany);
    CheckBoxes[static_cast<size_t>(i)] = check;
    QPlainTextEdit* answer = TextBox(answerName.constData(), this);
    //: Read out by a screen reader; %1 is the answer's letter.
    answer->setAccessibleName(tr("Answer %1").arg(letter));
    check->setAccessibleDescription(tr("Answer %1 is correct").arg(letter));
    AnswerEdits[static_cast<size_t>(i)] = answer;
    grid->addWidget(check, i, 0, Qt::AlignTop);
    grid->addWidget(answer, i, 1);
  }
  row->addLayout(grid, 1);
  // Tab goes from the question down the answers, then through their check boxes.
  QWidget* previous = QuestionEdit;
  for (QPlainTextEdit* answer : AnswerEdits) setTabOrder(std::exchange(previous, answer), answer);
  for (QCheckBox* check : CheckBoxes) setTabOrder(std::exchange(previous, check), check);

  column->addLayout(row, 8);

  RadioButton1 = Named(new QRadioButton(tr("All answers must be correct to pass"), this), "RadioButton1");
  RadioButton1->setChecked(true);
  RadioButton2 = Named(new QRadioButton(tr("Any correct answer is concidered a pass"), this), "RadioButton2");
  auto* rules = new QVBoxLayout;
  rules->setContentsMargins(58, 0, 0, 0);
  rules->setSpacing(0);
  rules->addWidget(RadioButton1);
  rules->addWidget(RadioButton2);
  column->addLayout(rules);
  CheckHowMany();
}

void TQAForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (FindBar->isVisible()) {
      FindBar->CloseFindClick();
      QuestionEdit->setFocus();
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

void TQAForm::closeEvent(QCloseEvent* event) {
  // The close box offers to save what is not saved; Cancel keeps the editor open.
  if (!Closing && isVisible() && !MayCloseUnsaved()) {
    event->ignore();
    return;
  }
  // QDialog closes through reject(), which must not ask again.
  const bool agreed = std::exchange(Closing, true);
  QDialog::closeEvent(event);
  Closing = agreed;
}

bool TQAForm::eventFilter(QObject* watched, QEvent* event) {
  // The text boxes claim these keys for their own history, which they no
  // longer keep; left unclaimed, the keys reach Undo and Redo.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) return true;
  }
  return QDialog::eventFilter(watched, event);
}

QStringList TQAForm::ScreenTexts() const {
  QStringList texts = {ExactText(QuestionEdit),   ReferenceText->text(), HotLinkValue->text(),
                       HotLinkParmsValue->text(), MMediaValue->text(),   CategoryText->text(),
                       TagsText->text()};
  for (const QPlainTextEdit* answer : AnswerEdits) texts << ExactText(answer);
  return texts;
}

TScreenState TQAForm::CaptureScreen() const {
  TScreenState state;
  const auto text = [&state](TSearchField field) -> QString& {
    return state.Texts[static_cast<size_t>(field)];
  };
  text(TSearchField::Question) = ExactText(QuestionEdit);
  for (int i = 0; i < QuestionSet::AnswerCount; ++i) {
    state.Texts[static_cast<size_t>(TSearchField::AnswerA) + static_cast<size_t>(i)] =
        ExactText(AnswerEdits[static_cast<size_t>(i)]);
    state.Checked[static_cast<size_t>(i)] = CheckBoxes[static_cast<size_t>(i)]->isChecked();
  }
  text(TSearchField::Reference) = ReferenceText->text();
  text(TSearchField::HotLink) = HotLinkValue->text();
  text(TSearchField::HotLinkParameters) = HotLinkParmsValue->text();
  text(TSearchField::MediaFile) = MMediaValue->text();
  state.AnyCorrectPasses = RadioButton2->isChecked();
  state.InternalViewer = MMediaTag == TMediaViewer::Internal;
  return state;
}

void TQAForm::ShowScreen(const TScreenState& state) {
  Showing = true;
  const auto text = [&state](TSearchField field) { return state.Texts[static_cast<size_t>(field)]; };
  for (int i = 0; i < QuestionSet::AnswerCount; ++i) {
    const auto at = static_cast<size_t>(i);
    QPlainTextEdit* answer = AnswerEdits[at];
    const QString& wanted = state.Texts[static_cast<size_t>(TSearchField::AnswerA) + at];
    if (ExactText(answer) != wanted) answer->setPlainText(wanted);
    CheckBoxes[at]->setChecked(state.Checked[at]);
  }
  if (ExactText(QuestionEdit) != text(TSearchField::Question))
    QuestionEdit->setPlainText(text(TSearchField::Question));
  MMediaValue->setText(text(TSearchField::MediaFile));
  MMediaTag = state.InternalViewer ? TMediaViewer::Internal : TMediaViewer::External;
  HotLinkValue->setText(text(TSearchField::HotLink));
  HotLinkParmsValue->setText(text(TSearchField::HotLinkParameters));
  ReferenceText->setText(text(TSearchField::Reference));
  (state.AnyCorrectPasses ? RadioButton2 : RadioButton1)->setChecked(true);
  CheckHowMany();
  *Shown = state;
  Showing = false;
}

QWidget* TQAForm::FieldWidget(int part) const {
  if (part == static_cast<int>(TSearchField::Question)) return QuestionEdit;
  if (part == static_cast<int>(TSearchField::Reference)) return ReferenceText;
  const int answer = part - static_cast<int>(TSearchField::AnswerA);
  if (answer >= 0 && answer < QuestionSet::AnswerCount) return AnswerEdits[static_cast<size_t>(answer)];
  return nullptr;
}

void TQAForm::ScreenChanged() {
  if (Showing) return;
  TScreenState now = CaptureScreen();
  if (now == *Shown) return;
  int part = 0;
  while (part < SearchFieldCount &&
         now.Texts[static_cast<size_t>(part)] == Shown->Texts[static_cast<size_t>(part)])
    ++part;
  if (part == SearchFieldCount) {
    if (now.Checked != Shown->Checked)
      part = ScreenPart::CorrectAnswers;
    else if (now.AnyCorrectPasses != Shown->AnyCorrectPasses)
      part = ScreenPart::PassRule;
    else
      part = ScreenPart::Viewer;
  }
  TScreenState before = std::exchange(*Shown, now);
  Undo->push(new TScreenEdit(*this, Questions.CurrentIndex, part, std::move(before), std::move(now)));
}

void TQAForm::ShowEdit(int number, const TScreenState& state, int part) {
  if (number != Questions.CurrentIndex) {
    Questions.CurrentIndex = number;
    DisplayNextQuestion();
  }
  ShowScreen(state);
  if (QWidget* field = FieldWidget(part)) field->setFocus();
}

void TQAForm::ShowSetChange(const TQuestionSetChange& change, bool undo) {
  if (undo)
    change.Undo(Questions);
  else
    change.Redo(Questions);
  DisplayNextQuestion();
}

void TQAForm::ChangeQuestions(const QString& text, const std::function<void()>& change) {
  TQuestionSetChange recorded = TQuestionSetChange::Record(Questions, change);
  if (!recorded.Empty()) Undo->push(new TSetEdit(*this, std::move(recorded), text));
  DisplayNextQuestion();
}

// Before a step of the history that is not an edit of the screen now shown,
// the screen is copied into its question, as before any command.
void TQAForm::Undo1Click() {
  if (!Undo->canUndo()) return;
  const auto* edit = dynamic_cast<const TScreenEdit*>(Undo->command(Undo->index() - 1));
  if ((edit == nullptr || edit->Number() != Questions.CurrentIndex) && !SaveCurrent()) return;
  Undo->undo();
}

void TQAForm::Redo1Click() {
  if (!Undo->canRedo()) return;
  const auto* edit = dynamic_cast<const TScreenEdit*>(Undo->command(Undo->index()));
  if ((edit == nullptr || edit->Number() != Questions.CurrentIndex) && !SaveCurrent()) return;
  Undo->redo();
}

void TQAForm::Find1Click() {
  FindBar->Open(false);
}

void TQAForm::Replace1Click() {
  FindBar->Open(true);
}

void TQAForm::UseLanguage(const QString& language, bool remember) {
  if (remember) TSpeller::SetLanguageOfTest(Globals.CurrentTestPath, language);
  SpellerInUse = &TSpeller::For(language);
  for (QAction* choice : LanguageMenu->actions()) choice->setChecked(choice->text() == language);
  for (TSpellHighlighter* highlighter : Highlighters) highlighter->rehighlight();
  if (!SpellerInUse->Available() && !qApp->property(NoDictionaryTold).toBool()) {
    qApp->setProperty(NoDictionaryTold, true);
    Globals.Dialogs.Inform(NoDictionaryText(language));
  }
}

QMenu* TQAForm::SpellingMenu(QPlainTextEdit* box, const QPoint& pos) {
  QMenu* menu = box->createStandardContextMenu(pos);
  // The box keeps no history of its own: its Undo and Redo are the editor's.
  for (QAction* own : menu->actions()) {
    const QString name = own->objectName() == QLatin1String("edit-undo")   ? QStringLiteral("Undo1")
                         : own->objectName() == QLatin1String("edit-redo") ? QStringLiteral("Redo1")
                                                                           : QString();
    if (name.isEmpty()) continue;
    menu->insertAction(own, findChild<QAction*>(name));
    menu->removeAction(own);
  }
  QTextCursor cursor = box->cursorForPosition(pos);
  cursor.select(QTextCursor::WordUnderCursor);
  const QString word = cursor.selectedText();
  if (SpellerInUse == nullptr || word.isEmpty() || SpellerInUse->Correct(word)) return menu;
  QAction* first = menu->actions().value(0);
  const auto add = [menu, first](const QString& name, const QString& caption) {
    auto* action = Named(new QAction(caption, menu), name);
    menu->insertAction(first, action);
    return action;
  };
  const QStringList suggestions = SpellerInUse->Suggestions(word).mid(0, 6);
  for (int i = 0; i < suggestions.size(); ++i) {
    const QString suggestion = suggestions[i];
    connect(add(QStringLiteral("Suggestion%1").arg(i + 1), suggestion), &QAction::triggered, this,
            [box, cursor, suggestion] {
              QTextCursor replacing = cursor;
              replacing.insertText(suggestion);
              box->setTextCursor(replacing);
            });
  }
  if (suggestions.isEmpty()) add(QStringLiteral("NoSuggestions"), tr("(no suggestions)"))->setEnabled(false);
  menu->insertSeparator(first);
  const auto rehighlight = [this] {
    for (TSpellHighlighter* highlighter : Highlighters) highlighter->rehighlight();
  };
  connect(add(QStringLiteral("AddToWordList"), tr("Add to word list")), &QAction::triggered, this,
          [this, word, rehighlight] {
            SpellerInUse->AddToWordList(word);
            rehighlight();
          });
  connect(add(QStringLiteral("IgnoreWord"), tr("Ignore")), &QAction::triggered, this,
          [this, word, rehighlight] {
            SpellerInUse->Ignore(word);
            rehighlight();
          });
  menu->insertSeparator(first);
  return menu;
}

void TQAForm::CheckSpelling1Click() {
  StoreScreen();
  if (SpellerInUse == nullptr || !SpellerInUse->Available()) {
    FindBar->ShowList({}, NoDictionaryText(SpellerInUse == nullptr ? TSpeller::DefaultLanguage()
                                                                   : SpellerInUse->Language()));
    return;
  }
  std::vector<TSearchHit> unknown;
  for (int n = 1; n <= Questions.QuestionCount; ++n)
    for (int part = 0; part <= static_cast<int>(TSearchField::Reference); ++part) {
      const auto field = static_cast<TSearchField>(part);
      const std::string& text = FieldText(Questions.Slot(n), field);
      for (const auto& [position, length] : WordsOf(text))
        if (!SpellerInUse->Correct(ToQString(text.substr(position, length))))
          unknown.push_back({n, field, position, length});
    }
  const QString status = unknown.empty()       ? tr("No unknown words")
                         : unknown.size() == 1 ? tr("1 unknown word")
                                               : tr("%1 unknown words").arg(unknown.size());
  FindBar->ShowList(std::move(unknown), status);
}

void TQAForm::FitFindBar() {
  const int extra = FindBar->isVisible() ? FindBar->sizeHint().height() + layout()->spacing() : 0;
  setFixedSize(ClientWidth, PlainHeight + extra);
}

bool TQAForm::ShowHit(const TSearchHit& hit) {
  if (hit.Number != Questions.CurrentIndex) {
    if (!SaveCurrent()) return false;
    Questions.CurrentIndex = hit.Number;
    DisplayNextQuestion();
  }
  // Only the hit shown is selected.
  for (QPlainTextEdit* box : AnswerEdits) box->moveCursor(QTextCursor::Start);
  QuestionEdit->moveCursor(QTextCursor::Start);
  ReferenceText->deselect();
  QWidget* field = FieldWidget(static_cast<int>(hit.Field));
  if (field == nullptr) return true;  // a hot link or media file: its question is shown
  // A hit listed before the text was edited may lie past its end.
  const std::string& text = FieldText(Questions.Current(), hit.Field);
  const size_t from = std::min(hit.Position, text.size());
  const auto start = static_cast<int>(ToQString(text.substr(0, from)).size());
  const auto end =
      static_cast<int>(ToQString(text.substr(0, std::min(from + hit.Length, text.size()))).size());
  if (auto* line = qobject_cast<QLineEdit*>(field)) {
    line->setSelection(start, end - start);
  } else {
    auto* box = static_cast<QPlainTextEdit*>(field);
    QTextCursor cursor(box->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
  }
  // The selection shows in the box while the keyboard stays in the find bar.
  return true;
}

void TQAForm::DisplayNextQuestion() {
  const TNavigationState navigation = Questions.BringIntoRange();
  PrevButton->setEnabled(navigation.PreviousEnabled);
  Previous1->setEnabled(navigation.PreviousEnabled);
  NextButton->setEnabled(navigation.NextEnabled);
  Bottom1->setEnabled(navigation.NextEnabled);
  setWindowTitle(ToQString(Questions.Caption()));

  const QuestionRecord& question = Questions.Current();
  Showing = true;
  for (int i = 0; i < QuestionSet::AnswerCount; ++i) {
    AnswerEdits[static_cast<size_t>(i)]->setPlainText(ToQString(question.Answer(i)));
    CheckBoxes[static_cast<size_t>(i)]->setChecked(QuestionSet::IsCorrectAnswer(question.Correct, i));
  }
  QuestionEdit->setPlainText(ToQString(question.Question));
  MMediaValue->setText(ToQString(question.MediaFile));
  MMediaTag = question.MMediaInternal ? TMediaViewer::Internal : TMediaViewer::External;
  HotLinkValue->setText(ToQString(question.HotLink));
  HotLinkParmsValue->setText(ToQString(question.HotLinkParameters));
  ReferenceText->setText(ToQString(question.Reference));
  CategoryText->setText(ToQString(question.Category));
  TagsText->setText(ToQString(question.Tags));
  (question.AnyCorrectPasses ? RadioButton2 : RadioButton1)->setChecked(true);
  CheckHowMany();
  Showing = false;
  *Shown = CaptureScreen();
}

bool TQAForm::SaveCurrent() {
  const QStringList texts = ScreenTexts();
  const bool replacing = !UnstorableCharacters(texts).isEmpty();
  if (replacing && !StorableOrAsk(Globals.Dialogs, texts)) return false;
  StoreScreen();
  // Show the "?" the question now holds instead of what was typed.
  if (replacing) DisplayNextQuestion();
  return true;
}

void TQAForm::StoreScreen() {
  QuestionRecord& question = Questions.Current();
  question.Question = ToCp1252(ExactText(QuestionEdit));
  std::array<bool, QuestionSet::AnswerCount> checked{};
  for (int i = 0; i < QuestionSet::AnswerCount; ++i) {
    question.Answer(i) = ToCp1252(ExactText(AnswerEdits[static_cast<size_t>(i)]));
    checked[static_cast<size_t>(i)] = CheckBoxes[static_cast<size_t>(i)]->isChecked();
  }
  question.Correct = QuestionSet::CorrectLetters(checked);
  question.AnyCorrectPasses = RadioButton2->isChecked();
  question.MediaFile = ToCp1252(MMediaValue->text());
  question.MMediaInternal = MMediaTag == TMediaViewer::Internal;
  question.HotLink = ToCp1252(HotLinkValue->text());
  question.HotLinkParameters = ToCp1252(HotLinkParmsValue->text());
  question.Reference = ToCp1252(ReferenceText->text());
  question.Category = ToCp1252(CategoryText->text().trimmed());
  question.Tags = TestFile::TagsValue(ToCp1252(TagsText->text()));
}

void TQAForm::CheckHowMany() {
  int checked = 0;
  for (const QCheckBox* box : CheckBoxes) checked += box->isChecked() ? 1 : 0;
  const bool choosable = QuestionSet::PassRuleChoosable(checked);
  RadioButton1->setEnabled(choosable);
  RadioButton2->setEnabled(choosable);
}

void TQAForm::StartTimerTimer() {
  StartTimer->stop();
  bool renumbered = false;
  const bool loaded = RunGuarded(Globals.Dialogs, [this, &renumbered] {
    TNoteForm note(LoadingText(), this);
    const std::string path = ToPath(Globals.CurrentTestPath);
    // Taken before the read: a write meanwhile shows as a change at Save.
    const TFileStamp stamp = StampFile(path);
    renumbered = Questions.LoadQuestions(path);
    LoadedStamp = stamp;
    Questions.CurrentIndex = std::exchange(StartNumber, 1);
    DisplayNextQuestion();
    // The file is read again: nothing before it can be taken back.
    Undo->clear();
  });
  if (loaded) UseLanguage(TSpeller::LanguageOfTest(Globals.CurrentTestPath), false);
  // The first typing goes into the question.
  QuestionEdit->setFocus();
  if (loaded && renumbered) Globals.Dialogs.Inform(RenumberedText());
  // A test that cannot be read is not edited: the editor closes, the file untouched.
  if (!loaded) {
    Closing = true;
    reject();
    Closing = false;
  }
}

void TQAForm::CloseEditor() {
  if (QWidget* mainWindow = parentWidget()) mainWindow->activateWindow();
  Closing = true;
  accept();
  Closing = false;
}

void TQAForm::SaveButtonClick() {
  if (SaveTest() && !Globals.Dialogs.Confirm(SavedAskText())) CloseEditor();
}

bool TQAForm::SaveTest() {
  if (!SaveCurrent()) return false;
  // A question holding text is dropped only on the instructor's word.
  const std::vector<int> untitled = Questions.UntitledQuestions();
  if (!untitled.empty() && !Globals.Dialogs.ConfirmRisk(UntitledAskText(untitled))) return false;
  const std::vector<int> empty = Questions.EmptyQuestions();
  const bool saved = WriteQuestions();
  if (saved && !empty.empty()) Globals.Dialogs.Inform(EmptyLeftOutText(empty));
  return saved;
}

bool TQAForm::MayCloseUnsaved() {
  // Before the questions are loaded there is nothing to lose.
  if (StartTimer->isActive()) return true;
  if (!SaveCurrent()) return false;
  if (!TestFolder::DiffersFromFile(Questions, ToPath(Globals.CurrentTestPath))) return true;
  switch (Globals.Dialogs.Message(TMessageKind::UnsavedChanges,
                                  UnsavedAskText().arg(QFileInfo(Globals.CurrentTestPath).fileName()))) {
    case TButton::Yes:
      return SaveTest();
    case TButton::No:
      return true;
    default:
      return false;
  }
}

void TQAForm::PreviewTest1Click() {
  if (!SaveCurrent()) return;
  if (TestFolder::DiffersFromFile(Questions, ToPath(Globals.CurrentTestPath)) &&
      Globals.Dialogs.Confirm(tr("Save changes before the preview?\rThe preview shows the test as saved.")) &&
      !WriteQuestions())
    return;
  StartPreview(Globals, Questions.CurrentIndex);
}

void TQAForm::ImportQuestions1Click() {
  if (!SaveCurrent()) return;
  RunGuarded(Globals.Dialogs, [this] {
    std::optional<TChosenImport> chosen = ChooseQuestionFile(Globals.Dialogs, this);
    if (!chosen) return;
    Import::TPreparedImport& prepared = chosen->Prepared;
    const std::string sourceName = QFileInfo(chosen->Source).fileName().toStdString();
    const std::string testName = QFileInfo(Globals.CurrentTestPath).fileName().toStdString();
    // The questions join the editor's, one step of its undo; Save writes them.
    if (!Globals.Dialogs.ConfirmRisk(FromUtf8(Import::AppendQuestion(
            static_cast<int>(prepared.Test.Questions.size()), sourceName, testName, false))) ||
        !MayReplaceUnmappable(Globals.Dialogs, prepared))
      return;
    const std::vector<QuestionRecord> imported = Import::ForEditor(
        std::move(prepared.Test), ToPath(Globals.CurrentTestPath), Questions.Room(), prepared.Report);
    int added = 0;
    ChangeQuestions(tr("Import"), [this, &imported, &added] { added = Questions.AppendQuestions(imported); });
    ShowLossReport(Globals.Dialogs, this, FromUtf8(Import::ImportSummary(added, sourceName, testName)),
                   prepared.Report.Lines());
  });
}

bool TQAForm::WriteQuestions() {
  if (!MayWriteOver(Globals.Dialogs, LoadedStamp, Globals.CurrentTestPath)) return false;
  // A test that had no file when it was loaded is simply written whole.
  const bool wasRead = LoadedStamp.Exists;
  bool anew = false;
  const bool saved = RunGuarded(Globals.Dialogs, [this, &anew] {
    TNoteForm note(SavingText(), this);
    const std::string path = ToPath(Globals.CurrentTestPath);
    anew = Questions.SaveQuestions(path);
    LoadedStamp = StampFile(path);
  });
  if (saved && anew && wasRead) Globals.Dialogs.Inform(WrittenAnewText(Globals.CurrentTestPath));
  return saved;
}

void TQAForm::ExitButtonClick() {
  if (Globals.Dialogs.ConfirmRisk(ExitAskText())) CloseEditor();
}

void TQAForm::RevertButtonClick() {
  if (Globals.Dialogs.ConfirmRisk(RevertAskText())) StartTimer->start();
}

void TQAForm::BottomButtonClick() {
  if (!SaveCurrent()) return;
  Questions.StepBottom();
  DisplayNextQuestion();
}

void TQAForm::PrevButtonClick() {
  if (!SaveCurrent()) return;
  Questions.StepPrevious();
  DisplayNextQuestion();
}

void TQAForm::NextButtonClick() {
  if (!SaveCurrent()) return;
  Questions.StepNext();
  DisplayNextQuestion();
}

void TQAForm::TopButtonClick() {
  if (!SaveCurrent()) return;
  Questions.StepTop();
  DisplayNextQuestion();
}

void TQAForm::JumpButtonClick() {
  if (!SaveCurrent()) return;
  TjumpForm jump(
      Globals, this,
      {[this] { BottomButtonClick(); }, [this] { PrevButtonClick(); }, [this] { NextButtonClick(); },
       [this] { TopButtonClick(); }, [this] { DisplayNextQuestion(); }});
  jump.exec();
}

void TQAForm::AddNewButtonClick() {
  if (!SaveCurrent()) return;
  bool limitHit = false;
  ChangeQuestions(tr("Add Question"), [&] { limitHit = Questions.AddQuestion(); });
  if (limitHit) Globals.Dialogs.Message(TMessageKind::Plain, AddLimitText());
  QuestionEdit->setFocus();
}

void TQAForm::DeleteButtonClick() {
  if (!Globals.Dialogs.ConfirmRisk(DeleteAskText())) return;
  // Kept as it is on the screen, so that undoing the delete brings it back so.
  StoreScreen();
  ChangeQuestions(tr("Delete Question"), [this] { Questions.DeleteCurrentQuestion(); });
  Globals.Dialogs.Inform(DeletedText());
}

void TQAForm::Button9Click() {
  if (!SaveCurrent()) return;
  Button10->setEnabled(Questions.CopyQuestion());
}

void TQAForm::Button10Click() {
  if (!SaveCurrent()) return;
  ChangeQuestions(tr("Paste Question"), [this] { Questions.PasteQuestion(); });
}

void TQAForm::Button7Click() {
  if (!SaveCurrent()) return;
  Button8->setEnabled(Questions.CopyAnswers());
}

void TQAForm::Button8Click() {
  if (!SaveCurrent()) return;
  ChangeQuestions(tr("Paste Answers"), [this] { Questions.PasteAnswers(); });
}

void TQAForm::BitBtn1Click() {
  TMMediaForm form(Globals, this);
  form.SetText(HotLinkValue->text());
  if (form.exec() != QDialog::Accepted) return;
  HotLinkValue->setText(form.Text());
  ScreenChanged();
}

void TQAForm::BitBtn2Click() {
  TMMediaForm form(Globals, this);
  form.SetText(MMediaValue->text());
  form.SetInternalViewer(MMediaTag == TMediaViewer::Internal || MMediaValue->text().isEmpty());
  if (form.exec() != QDialog::Accepted) return;
  MMediaValue->setText(form.Text());
  MMediaTag = form.InternalViewer() ? TMediaViewer::Internal : TMediaViewer::External;
  ScreenChanged();
}

void TQAForm::Help1Click() {
  Globals.Help.ShowContents();
}
