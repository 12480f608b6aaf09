#include "ui/engine/EndForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/platform/EngineServices.h"
#include "ui/platform/QtText.h"
#include "ui/platform/TextZoom.h"

QString TEndForm::ScoreText(const TRunResult& result) {
  return tr("Score: %1 of %2 right (%3%)").arg(result.Right).arg(result.Asked).arg(result.Percent);
}

TEndForm::TEndForm(const TTestSession& session, const TRunResult& result, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("EndForm"));
  setWindowTitle(tr("Test Finished"));
  setMinimumWidth(420);
  auto* layout = new QVBoxLayout(this);
  QStringList lines;
  for (const std::string& line : session.Settings().EndMessage) lines << ToQString(line);
  QLabel* message = Named(new QLabel(lines.join(QLatin1Char('\n'))), "EndMessageLabel");
  message->setWordWrap(true);
  message->setTextFormat(Qt::PlainText);
  message->setVisible(!lines.isEmpty());
  layout->addWidget(message);
  if (result.TimedOut) layout->addWidget(Named(new QLabel(tr("Time ran out.")), "TimeOutLabel"));

  layout->addSpacing(8);
  QLabel* score = Named(new QLabel(ScoreText(result)), "ScoreLabel");
  QFont big = score->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  score->setFont(big);
  layout->addWidget(score);
  if (result.HasPassPoint) {
    QLabel* verdict = Named(new QLabel(result.Passed ? tr("Passed") : tr("Failed")), "ResultLabel");
    verdict->setFont(big);
    verdict->setStyleSheet(result.Passed ? RightStyle(verdict) : WrongStyle(verdict));
    layout->addWidget(verdict);
    layout->addWidget(new QLabel(tr("Pass point: %1%").arg(session.Settings().PassPoint)));
  }
  //: %1 is hours:minutes:seconds.
  layout->addWidget(new QLabel(tr("Time taken: %1").arg(ToQString(DurationText(result.SecondsTaken)))));

  auto* buttons = new QHBoxLayout;
  QPushButton* review = Named(new QPushButton(tr("&Review Answers")), "ReviewButton");
  QPushButton* close = Named(new QPushButton(tr("&Close")), "CloseButton");
  review->setVisible(!session.ReviewList().empty());
  buttons->addStretch();
  buttons->addWidget(review);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  close->setDefault(true);
  connect(review, &QPushButton::clicked, this, [this] {
    Review = true;
    accept();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  resize(sizeHint().expandedTo(minimumSize()));
  CentreOnScreen(this);
}
