#include "ui/maker/QAForm.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
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
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <utility>

#include "core/model/Languages.h"
#include "core/model/QuestionSet.h"
#include "core/results/QuestionHistory.h"
#include "ui/maker/FindBar.h"
#include "ui/maker/JumpForm.h"
#include "ui/maker/MMediaForm.h"
#include "ui/maker/QuestionListForm.h"
#include "ui/maker/Spelling.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/WindowKit.h"
#include "ui/text/QtText.h"

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
QPushButton* TextButton(const char* name, const QString& caption) {
  auto* button = PushButton(name, caption);
  // As narrow as the column beside the text boxes allows, wider only for a
  // caption (a translation) that would not fit.
  button->setFixedWidth(
      std::max(52, button->fontMetrics().horizontalAdvance(QString(caption).remove(QLatin1Char('&'))) + 14));
  return button;
}

QPlainTextEdit* TextBox(const char* name, QWidget* parent) {
  auto* box = Named(new QPlainTextEdit(parent), name);
  box->setTabChangesFocus(true);
  // The editor's history, across questions, takes the place of the box's own.
  box->setUndoRedoEnabled(false);
  return box;
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
  // A category or tags typed are one step each, taken when the field is left.
  for (QLineEdit* field : {CategoryText, TagsText})
    connect(field, &QLineEdit::editingFinished, this, &TQAForm::StoreBankFields);
  for (QWidget* box : {static_cast<QWidget*>(QuestionEdit), static_cast<QWidget*>(ReferenceText),
                       static_cast<QWidget*>(CategoryText), static_cast<QWidget*>(TagsText)})
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
  item(navigate1, "QuestionList1", tr("Question &List..."), &TQAForm::QuestionList1Click);

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

void TQAForm::Find1Click() {
  FindBar->Open(false);
}

void TQAForm::Replace1Click() {
  FindBar->Open(true);
}

void TQAForm::FitFindBar() {
  const int extra = FindBar->isVisible() ? FindBar->sizeHint().height() + layout()->spacing() : 0;
  setFixedSize(ClientWidth, PlainHeight + extra);
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

void TQAForm::QuestionList1Click() {
  if (!SaveCurrent()) return;
  std::vector<TQuestionHistory> histories;
  try {
    histories = TestQuestionHistories(
        ToPath(Globals.CurrentTestPath),
        {Questions.Questions.begin(), Questions.Questions.begin() + Questions.QuestionCount});
  } catch (const std::exception&) {
    // A store that cannot be read leaves the history columns empty; the
    // results window says why.
  }
  TQuestionListForm list(Questions, std::move(histories),
                         {[this](int number) {
                            Questions.CurrentIndex = number;
                            DisplayNextQuestion();
                          },
                          [this](const std::vector<int>& numbers, const QString& category) {
                            ChangeQuestions(tr("Set Category"), [&] {
                              for (int n : numbers) Questions.Slot(n).Category = ToCoreText(category);
                            });
                          },
                          [this](int from, int to) {
                            ChangeQuestions(tr("Move Question"), [&] { Questions.MoveQuestion(from, to); });
                          }},
                         this);
  list.exec();
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
