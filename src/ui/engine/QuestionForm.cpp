#include "ui/engine/QuestionForm.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "core/run/MediaPath.h"
#include "core/run/TestSession.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"
#include "ui/platform/TextDirection.h"
#include "ui/platform/TextZoom.h"

namespace {
const char* const OptionNames[] = {"OptionA", "OptionB", "OptionC", "OptionD", "OptionE", "OptionF"};
const char* const BoxNames[] = {"BoxA", "BoxB", "BoxC", "BoxD", "BoxE", "BoxF"};

QString AnswerCaption(int letter, const std::string& text) {
  QString caption = QStringLiteral("&%1.  %2").arg(QChar('A' + letter), ToQString(text));
  return caption.replace(QStringLiteral("&&"), QStringLiteral("&&&&"));
}

// The letter a key chooses: A-F or 1-6 without a modifier (Shift aside); -1 for any other key.
int LetterOfKey(const QKeyEvent& event) {
  if (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return -1;
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_F) return key - Qt::Key_A;
  if (key >= Qt::Key_1 && key <= Qt::Key_6) return key - Qt::Key_1;
  return -1;
}

bool IsTextField(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
         qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}
}  // namespace

TQuestionForm::TQuestionForm(TTestSession& session, const TEngineServices& services, QWidget* parent)
    : QDialog(parent), Session(session), Services(services) {
  setObjectName(QStringLiteral("QuestionForm"));
  setWindowTitle(ToQString(session.Settings().Description));
  setMinimumSize(640, 480);
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  NumberLabel = Named(new QLabel, "NumberLabel");
  top->addWidget(NumberLabel, 1);
  ElapsedLabel = Named(new QLabel, "ElapsedLabel");
  RemainingLabel = Named(new QLabel, "RemainingLabel");
  ElapsedBar = Named(new QProgressBar, "ElapsedBar");
  RemainingBar = Named(new QProgressBar, "RemainingBar");
  for (QProgressBar* bar : {ElapsedBar, RemainingBar}) {
    bar->setRange(0, std::max(session.LimitSeconds(), 1));
    bar->setMinimumWidth(150);
  }
  for (QWidget* widget : {static_cast<QWidget*>(ElapsedLabel), static_cast<QWidget*>(RemainingLabel),
                          static_cast<QWidget*>(ElapsedBar), static_cast<QWidget*>(RemainingBar)}) {
    top->addWidget(widget);
    widget->hide();
  }
  layout->addLayout(top);

  QuestionLabel = Named(new QLabel, "QuestionLabel");
  QuestionLabel->setWordWrap(true);
  QuestionLabel->setTextFormat(Qt::PlainText);
  QFont questionFont = QuestionLabel->font();
  questionFont.setPointSizeF(questionFont.pointSizeF() * 1.25);
  questionFont.setBold(true);
  QuestionLabel->setFont(questionFont);
  layout->addWidget(QuestionLabel);
  PictureLabel = Named(new QLabel, "PictureLabel");
  PictureLabel->setAlignment(Qt::AlignCenter);
  layout->addWidget(PictureLabel);
  ChoiceLabel = Named(new QLabel, "ChoiceLabel");
  ChoiceLabel->setWordWrap(true);
  QFont choiceFont = ChoiceLabel->font();
  choiceFont.setItalic(true);
  ChoiceLabel->setFont(choiceFont);
  layout->addWidget(ChoiceLabel);

  OptionGroup = new QButtonGroup(this);
  for (int i = 0; i < 6; ++i) {
    Options[i] = Named(new QRadioButton, OptionNames[i]);
    Boxes[i] = Named(new QCheckBox, BoxNames[i]);
    OptionGroup->addButton(Options[i], i);
    layout->addWidget(Options[i]);
    layout->addWidget(Boxes[i]);
    connect(Options[i], &QAbstractButton::toggled, this, [this] { AnswerChanged(); });
    connect(Boxes[i], &QAbstractButton::toggled, this, [this] { AnswerChanged(); });
  }
  VerdictLabel = Named(new QLabel, "VerdictLabel");
  QFont verdictFont = VerdictLabel->font();
  verdictFont.setBold(true);
  VerdictLabel->setFont(verdictFont);
  ReferenceLabel = Named(new QLabel, "ReferenceLabel");
  for (QLabel* label : {VerdictLabel, ReferenceLabel}) {
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
  }
  layout->addStretch();

  auto* links = new QHBoxLayout;
  HotLinkButton = Named(new QPushButton(tr("&Hot Link")), "HotLinkButton");
  ReferenceButton = Named(new QPushButton(tr("&Reference")), "ReferenceButton");
  MediaButton = Named(new QPushButton(tr("&Media")), "MediaButton");
  CheckButton = Named(new QPushButton(tr("Chec&k")), "CheckButton");
  for (QPushButton* button : {HotLinkButton, ReferenceButton, MediaButton, CheckButton})
    links->addWidget(button);
  links->addStretch();
  layout->addLayout(links);

  auto* moves = new QHBoxLayout;
  PreviousButton = Named(new QPushButton(tr("< &Previous")), "PreviousButton");
  NextButton = Named(new QPushButton(tr("&Next >")), "NextButton");
  FinishButton = Named(new QPushButton(tr("Finish &Test")), "FinishButton");
  moves->addWidget(PreviousButton);
  moves->addWidget(NextButton);
  moves->addStretch();
  moves->addWidget(FinishButton);
  layout->addLayout(moves);
  for (QPushButton* button :
       {HotLinkButton, ReferenceButton, MediaButton, CheckButton, PreviousButton, NextButton, FinishButton})
    button->setAutoDefault(false);
  NextButton->setDefault(true);

  connect(PreviousButton, &QPushButton::clicked, this, &TQuestionForm::PreviousButtonClick);
  connect(NextButton, &QPushButton::clicked, this, &TQuestionForm::NextButtonClick);
  connect(CheckButton, &QPushButton::clicked, this, &TQuestionForm::CheckButtonClick);
  connect(FinishButton, &QPushButton::clicked, this, &TQuestionForm::FinishButtonClick);
  connect(HotLinkButton, &QPushButton::clicked, this, &TQuestionForm::HotLinkButtonClick);
  connect(ReferenceButton, &QPushButton::clicked, this, &TQuestionForm::ReferenceButtonClick);
  connect(MediaButton, &QPushButton::clicked, this, &TQuestionForm::MediaButtonClick);

  const int timerType = session.Settings().TimerType;
  if (session.LimitSeconds() > 0 && timerType == 0) {
    ElapsedLabel->show();
    RemainingLabel->show();
  } else if (session.LimitSeconds() > 0 && timerType == 1) {
    ElapsedBar->show();
    RemainingBar->show();
  }
  Timer1 = new QTimer(this);
  Timer1->setInterval(250);
  connect(Timer1, &QTimer::timeout, this, &TQuestionForm::Timer1Timer);
  if (session.LimitSeconds() > 0) Timer1->start();
  DisplayQuestion();
  Timer1Timer();
  resize(sizeHint().expandedTo(minimumSize()));
  CentreOnScreen(this);
}

QAbstractButton* TQuestionForm::AnswerButton(int letter) const {
  if (Session.ChoosesSeveral(Session.Current())) return Boxes.at(letter);
  return Options.at(letter);
}

void TQuestionForm::DisplayQuestion() {
  Displaying = true;
  const int position = Session.Current();
  const QuestionRecord& question = Session.Question(position);
  const TestSettings& settings = Session.Settings();
  NumberLabel->setText(tr("Question %1 of %2").arg(position + 1).arg(Session.Count()));
  QuestionLabel->setText(ToQString(question.Question));
  FollowTextDirection(QuestionLabel, QuestionLabel->text());
  const bool several = Session.ChoosesSeveral(position);
  // As the printed test says it: never how many answers are correct.
  ChoiceLabel->setText(!several                    ? QString()
                       : question.AnyCorrectPasses ? tr("(choose any that apply)")
                                                   : tr("(choose all that apply)"));
  ChoiceLabel->setVisible(several);
  const Scoring::TLetters answer = Session.Answer(position);
  OptionGroup->setExclusive(false);
  for (int i = 0; i < 6; ++i) {
    Options[i]->hide();
    Boxes[i]->hide();
  }
  for (int letter : Session.ShownLetters(position)) {
    QAbstractButton* button = AnswerButton(letter);
    button->setText(AnswerCaption(letter, question.Answer(letter)));
    FollowTextDirection(button, QuestionLabel->text());  // the question's side, as a right-to-left test reads
    button->setStyleSheet(QString());
    button->setEnabled(!Session.IsChecked(position));
    button->show();
  }
  for (int i = 0; i < 6; ++i) {
    Options[i]->setChecked(!several && (answer >> i & 1));
    Boxes[i]->setChecked(several && (answer >> i & 1));
  }
  OptionGroup->setExclusive(true);
  ReferenceLabel->clear();
  ShowVerdict();

  const bool inside = question.MMediaInternal && MediaPath::IsPicture(question.MediaFile);
  QPixmap picture;
  if (inside) picture.load(MediaFilePath(Services, question.MediaFile));
  if (!picture.isNull()) {
    PictureLabel->setPixmap(picture.width() > 600 || picture.height() > 300
                                ? picture.scaled(600, 300, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                : picture);
  } else {
    PictureLabel->clear();
  }
  PictureLabel->setVisible(!picture.isNull());
  MediaButton->setVisible(!question.MediaFile.empty() && picture.isNull());
  HotLinkButton->setVisible(settings.TestHot && !question.HotLink.empty());
  // Once the reference is shown beside the question, its button has done its work.
  ReferenceButton->setVisible(settings.TestRef && !question.Reference.empty() && ReferenceLabel->isHidden());
  CheckButton->setVisible(settings.CheckAnswers == 1);
  CheckButton->setEnabled(Session.MayCheck(position));
  PreviousButton->setEnabled(position > 0);
  NextButton->setEnabled(position + 1 < Session.Count());
  Displaying = false;
  // The keys act on the answers: the focus starts on the one chosen, or the first.
  const std::vector<int> shown = Session.ShownLetters(position);
  int focus = shown.empty() ? -1 : shown.front();
  for (int letter : shown)
    if (answer >> letter & 1) {
      focus = letter;
      break;
    }
  if (focus >= 0 && AnswerButton(focus)->isEnabled()) AnswerButton(focus)->setFocus();
}

// Once checked, each answer chosen is marked right or wrong, the correct ones
// are marked where the test lets the student see them, and the reference
// follows where references are shown.
void TQuestionForm::ShowVerdict() {
  const int position = Session.Current();
  VerdictLabel->setVisible(Session.IsChecked(position));
  ReferenceLabel->setVisible(!ReferenceLabel->text().isEmpty());
  if (!Session.IsChecked(position)) return;
  const TCheckVerdict verdict = Session.Verdict(position);
  const QuestionRecord& question = Session.Question(position);
  for (int letter : Session.ShownLetters(position)) {
    const Scoring::TLetters bit = static_cast<Scoring::TLetters>(1u << letter);
    QString mark;
    //: Marks shown after a checked answer.
    if (verdict.ChosenRight & bit)
      mark = tr("\u2714 right");
    else if (verdict.ChosenWrong & bit)
      mark = tr("\u2718 wrong");
    else if (verdict.CorrectShown & bit)
      mark = tr("\u2714 correct answer");
    if (mark.isEmpty()) continue;
    QAbstractButton* button = AnswerButton(letter);
    button->setText(AnswerCaption(letter, question.Answer(letter)) + QStringLiteral("   ") + mark);
    button->setStyleSheet((verdict.ChosenWrong & bit) ? WrongStyle(button) : RightStyle(button));
  }
  VerdictLabel->setText(verdict.Right ? tr("Right!") : tr("Wrong."));
  VerdictLabel->setStyleSheet(verdict.Right ? RightStyle(VerdictLabel) : WrongStyle(VerdictLabel));
  if (!verdict.Reference.empty()) {
    ReferenceLabel->setText(tr("Reference: %1").arg(ToQString(verdict.Reference)));
    ReferenceLabel->show();
    FollowTextDirection(ReferenceLabel, ToQString(verdict.Reference));
  }
}

void TQuestionForm::AnswerChanged() {
  if (Displaying) return;
  Scoring::TLetters letters = 0;
  const bool several = Session.ChoosesSeveral(Session.Current());
  for (int i = 0; i < 6; ++i)
    if ((several ? static_cast<QAbstractButton*>(Boxes[i]) : Options[i])->isChecked()) letters |= 1 << i;
  Session.SetAnswer(Session.Current(), letters);
  CheckButton->setEnabled(Session.MayCheck(Session.Current()));
}

bool TQuestionForm::MayMoveOn() {
  if (Session.MayMoveOn()) return true;
  Services.Dialogs.Inform(tr("Please answer this question before going on."));
  return false;
}

void TQuestionForm::PreviousButtonClick() {
  if (Session.GoTo(Session.Current() - 1)) DisplayQuestion();
}

void TQuestionForm::NextButtonClick() {
  if (Session.Current() + 1 >= Session.Count() || !MayMoveOn()) return;
  Session.GoTo(Session.Current() + 1);
  DisplayQuestion();
}

void TQuestionForm::CheckButtonClick() {
  if (!Session.Check(Session.Current())) return;
  DisplayQuestion();
}

// Ending a test cannot be undone: each way to it asks, No being the default.
void TQuestionForm::FinishButtonClick() {
  if (!MayMoveOn()) return;
  int blank = 0;
  for (int i = 0; i < Session.Count(); ++i)
    if (Session.Answer(i) == 0) ++blank;
  const QString question =
      blank > 0
          ? tr("%n question(s) have no answer and will count as wrong.\rFinish the test now?", nullptr, blank)
          : tr("Every question has an answer.\rFinish the test now? No answer can be "
               "changed afterwards.");
  if (!Services.Dialogs.ConfirmRisk(question) || Session.IsFinished()) return;
  Timer1->stop();
  accept();
}

void TQuestionForm::reject() {
  if (!Services.Dialogs.ConfirmRisk(tr("End the test now? It is scored as it stands.")) ||
      Session.IsFinished())
    return;
  Timer1->stop();
  accept();
}

void TQuestionForm::keyPressEvent(QKeyEvent* event) {
  if (IsTextField(QApplication::focusWidget())) {
    event->ignore();
    return;
  }
  const int letter = LetterOfKey(*event);
  if (letter >= 0) {
    QAbstractButton* button = AnswerButton(letter);
    if (button->isVisible() && button->isEnabled()) {
      button->setChecked(button == Boxes.at(letter) ? !button->isChecked() : true);
      button->setFocus();
    }
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      !(event->modifiers() & ~Qt::KeypadModifier)) {
    NextButtonClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TQuestionForm::HotLinkButtonClick() {
  OpenTestLink(Services, Session.Question(Session.Current()).HotLink);
}

void TQuestionForm::ReferenceButtonClick() {
  ReferenceLabel->setText(tr("Reference: %1").arg(ToQString(Session.Question(Session.Current()).Reference)));
  ReferenceLabel->show();
  ReferenceButton->hide();
}

void TQuestionForm::MediaButtonClick() {
  OpenTestLink(Services, Session.Question(Session.Current()).MediaFile);
}

void TQuestionForm::Timer1Timer() {
  if (Session.LimitSeconds() <= 0 || Session.IsFinished()) return;
  const int elapsed = Session.ElapsedSeconds();
  const int remaining = Session.RemainingSeconds();
  ElapsedLabel->setText(tr("Elapsed: %1").arg(ToQString(DurationText(elapsed))));
  RemainingLabel->setText(tr("Remaining: %1").arg(ToQString(DurationText(remaining))));
  ElapsedBar->setValue(std::min(elapsed, Session.LimitSeconds()));
  ElapsedBar->setFormat(tr("Elapsed %1").arg(ToQString(DurationText(elapsed))));
  RemainingBar->setValue(remaining);
  //: The time left, on the bar that shows it; %1 is hours:minutes:seconds.
  RemainingBar->setFormat(tr("Left %1").arg(ToQString(DurationText(remaining))));
  if (!Session.TimeUp() || TimedOut) return;
  // The score shows at once: no box is left open in front of it, and the end
  // form says that the time ran out.
  TimedOut = true;
  Timer1->stop();
  Session.Finish();
  CloseOpenBoxes();
  accept();
}

// Closes the modal boxes opened over this window, the last opened first; each
// answers as its Escape would.
void TQuestionForm::CloseOpenBoxes() {
  for (int guard = 0; guard < 16; ++guard) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == this) return;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
    if (modal->isVisible()) modal->hide();
  }
}
