#include "ui/engine/BeginBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/run/TestSession.h"
#include "ui/platform/EngineServices.h"
#include "ui/platform/QtText.h"

namespace {
constexpr int MemoWidth = 337;
constexpr int MemoHeight = 161;
constexpr int MemoFontPixels = 13;
}  // namespace

TBeginBox::TBeginBox(const TestSettings& settings, int maxAsked, int limitSeconds, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("BeginBox"));
  setWindowTitle(tr("Begin Test"));
  auto* layout = new QVBoxLayout(this);
  QLabel* title = Named(new QLabel(ToQString(settings.Description)), "DescLabel");
  QFont titleFont = title->font();
  titleFont.setBold(true);
  titleFont.setPixelSize(16);
  title->setFont(titleFont);
  title->setWordWrap(true);
  title->setMaximumWidth(MemoWidth + 40);
  layout->addWidget(title);

  Memo1 = Named(new QTextEdit, "Memo1");
  Memo1->setReadOnly(true);
  Memo1->setAcceptRichText(false);
  Memo1->setFixedSize(MemoWidth, MemoHeight);
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(MemoFontPixels);
  font.setBold(true);
  Memo1->setFont(font);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  Memo1->ensurePolished();
  const int scrollBar =
      Memo1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Memo1->verticalScrollBar());
  Memo1->setLineWrapMode(QTextEdit::FixedPixelWidth);
  Memo1->setLineWrapColumnOrWidth(MemoWidth - 2 * Memo1->frameWidth() - scrollBar);
  QStringList lines;
  for (const std::string& line : settings.BeginMessage) lines << ToQString(line);
  Memo1->setPlainText(lines.join(QLatin1Char('\n')));
  layout->addWidget(Memo1, 0, Qt::AlignHCenter);

  if (settings.StudentMax && maxAsked > 1) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Questions to take (1 to %1):").arg(maxAsked)));
    CountBox = Named(new QSpinBox, "CountBox");
    CountBox->setRange(0, maxAsked);
    CountBox->setSpecialValueText(tr("All (%1)").arg(maxAsked));
    CountBox->setValue(0);
    row->addWidget(CountBox);
    row->addStretch();
    layout->addLayout(row);
  } else {
    layout->addWidget(new QLabel(maxAsked == 1 ? tr("1 question.") : tr("%n questions.", nullptr, maxAsked)));
  }

  layout->addWidget(Named(
      new QLabel(limitSeconds > 0
                     ? tr("Time limit: %1 (hours:minutes:seconds)").arg(ToQString(DurationText(limitSeconds)))
                     : tr("Time limit: none")),
      "TimeLabel"));
  layout->addWidget(Named(
      new QLabel(settings.PassPoint > 0 ? tr("Pass mark: %1% of the questions right").arg(settings.PassPoint)
                                        : tr("Pass mark: none")),
      "PassLabel"));

  auto* buttons = new QDialogButtonBox;
  QPushButton* begin = Named(buttons->addButton(tr("&Begin"), QDialogButtonBox::AcceptRole), "BeginButton");
  Named(buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole), "CancelButton");
  begin->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  CentreOnScreen(this);
}

int TBeginBox::ChosenCount() const {
  return CountBox ? CountBox->value() : 0;
}
