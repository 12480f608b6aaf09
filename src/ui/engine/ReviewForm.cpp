#include "ui/engine/ReviewForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/run/TestSession.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"
#include "ui/platform/TextDirection.h"
#include "ui/platform/TextZoom.h"

TReviewForm::TReviewForm(const TTestSession& session, const TEngineServices& services, QWidget* parent)
    : QDialog(parent), Session(session), Services(services), List(session.ReviewList()) {
  setObjectName(QStringLiteral("ReviewForm"));
  setWindowTitle(tr("Review"));
  setMinimumSize(560, 380);
  auto* layout = new QVBoxLayout(this);
  NumberLabel = Named(new QLabel, "NumberLabel");
  QuestionLabel = Named(new QLabel, "QuestionLabel");
  AnswersLabel = Named(new QLabel, "AnswersLabel");
  YourLabel = Named(new QLabel, "YourLabel");
  CorrectLabel = Named(new QLabel, "CorrectLabel");
  CheckedLabel = Named(new QLabel, "CheckedLabel");
  QFont bold = QuestionLabel->font();
  bold.setBold(true);
  QuestionLabel->setFont(bold);
  for (QLabel* label : {NumberLabel, QuestionLabel, AnswersLabel, YourLabel, CorrectLabel, CheckedLabel}) {
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
  }
  YourLabel->setStyleSheet(WrongStyle(YourLabel));
  CorrectLabel->setStyleSheet(RightStyle(CorrectLabel));
  layout->addStretch();
  auto* buttons = new QHBoxLayout;
  HotLinkButton = Named(new QPushButton(tr("&Hot Link")), "HotLinkButton");
  ReferenceButton = Named(new QPushButton(tr("&Reference")), "ReferenceButton");
  PreviousButton = Named(new QPushButton(tr("< &Previous")), "PreviousButton");
  NextButton = Named(new QPushButton(tr("&Next >")), "NextButton");
  QPushButton* close = Named(new QPushButton(tr("&Close")), "CloseButton");
  for (QPushButton* button : {HotLinkButton, ReferenceButton, PreviousButton, NextButton, close}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->insertStretch(2);
  layout->addLayout(buttons);
  connect(PreviousButton, &QPushButton::clicked, this, &TReviewForm::PreviousButtonClick);
  connect(NextButton, &QPushButton::clicked, this, &TReviewForm::NextButtonClick);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(HotLinkButton, &QPushButton::clicked, this,
          [this] { OpenTestLink(Services, Session.Question(List[Index]).HotLink); });
  connect(ReferenceButton, &QPushButton::clicked, this,
          [this] { Services.Dialogs.Inform(ToQString(Session.Question(List[Index]).Reference)); });
  DisplayQuestion();
  resize(sizeHint().expandedTo(minimumSize()));
  CentreOnScreen(this);
}

void TReviewForm::DisplayQuestion() {
  PreviousButton->setEnabled(Index > 0);
  NextButton->setEnabled(Index + 1 < static_cast<int>(List.size()));
  if (List.empty()) {
    NumberLabel->setText(tr("Nothing to review."));
    for (QWidget* widget : {static_cast<QWidget*>(QuestionLabel), static_cast<QWidget*>(AnswersLabel),
                            static_cast<QWidget*>(YourLabel), static_cast<QWidget*>(CorrectLabel),
                            static_cast<QWidget*>(CheckedLabel), static_cast<QWidget*>(HotLinkButton),
                            static_cast<QWidget*>(ReferenceButton)})
      widget->hide();
    return;
  }
  const int position = List[Index];
  const QuestionRecord& question = Session.Question(position);
  NumberLabel->setText(
      tr("Review %1 of %2 (question %3 of the test)").arg(Index + 1).arg(List.size()).arg(position + 1));
  QuestionLabel->setText(ToQString(question.Question));
  FollowTextDirection(QuestionLabel, QuestionLabel->text());
  QStringList answers;
  for (int letter : Session.ShownLetters(position))
    answers << QStringLiteral("%1.  %2").arg(QChar('A' + letter), ToQString(question.Answer(letter)));
  AnswersLabel->setText(answers.join(QLatin1Char('\n')));
  FollowTextDirection(AnswersLabel, QuestionLabel->text());
  const std::string yours = Scoring::LetterText(Session.Answer(position));
  YourLabel->setText(tr("Your answer: %1").arg(yours.empty() ? tr("(none)") : ToQString(yours)));
  const QString correct = ToQString(Scoring::LetterText(Session.CorrectLetters(position)));
  CorrectLabel->setText(Session.ChoosesSeveral(position) && question.AnyCorrectPasses
                            ? tr("Correct answer: %1 (any one of them passes)").arg(correct)
                            : tr("Correct answer: %1").arg(correct));
  CheckedLabel->setText(tr("You checked this answer during the test; it was locked from then on."));
  CheckedLabel->setVisible(Session.IsChecked(position));
  HotLinkButton->setVisible(Session.Settings().ReviewHot && !question.HotLink.empty());
  ReferenceButton->setVisible(Session.Settings().ReviewRef && !question.Reference.empty());
}

void TReviewForm::PreviousButtonClick() {
  if (Index <= 0) return;
  --Index;
  DisplayQuestion();
}

void TReviewForm::NextButtonClick() {
  if (Index + 1 >= static_cast<int>(List.size())) return;
  ++Index;
  DisplayQuestion();
}
