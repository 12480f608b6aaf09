#include "ui/maker/FindBar.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/model/QuestionSet.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"

namespace {

constexpr int HitListHeight = 84;

QString NothingToReplaceText() {
  return QCoreApplication::translate("TFindBar", "There is nothing to replace.");
}

QCheckBox* Option(const char* name, const QString& caption, bool checked) {
  auto* box = Named(new QCheckBox(caption), name);
  box->setChecked(checked);
  return box;
}

// The field as the list of hits and the replace preview name it.
QString FieldCaption(TSearchField field) {
  switch (field) {
    case TSearchField::Question:
      return QCoreApplication::translate("TFindBar", "Question");
    case TSearchField::Reference:
      return QCoreApplication::translate("TFindBar", "Reference");
    case TSearchField::HotLink:
      return QCoreApplication::translate("TFindBar", "Hot link");
    case TSearchField::HotLinkParameters:
      return QCoreApplication::translate("TFindBar", "Hot link parameters");
    case TSearchField::MediaFile:
      return QCoreApplication::translate("TFindBar", "Media file");
    default:
      //: A field of a question in the list of hits; %1 is its letter.
      return QCoreApplication::translate("TFindBar", "Answer %1")
          .arg(QLatin1Char(
              static_cast<char>('A' + static_cast<int>(field) - static_cast<int>(TSearchField::AnswerA))));
  }
}

QString HitLine(const QuestionSet& set, const TSearchHit& hit) {
  const std::string& text = FieldText(set.Slot(hit.Number), hit.Field);
  return QCoreApplication::translate("TFindBar", "Question %1, %2:  %3")
      .arg(hit.Number)
      .arg(FieldCaption(hit.Field), ToQString(HitContext(text, hit.Position, hit.Length)));
}

}  // namespace

TFindBar::TFindBar(TSearchableEditor& editor, TGlobals& globals) : Editor(editor), Globals(globals) {
  setObjectName(QStringLiteral("FindBar"));
  setFrameShape(QFrame::StyledPanel);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->setSpacing(3);

  auto* findRow = new QHBoxLayout;
  auto* findLabel = new QLabel(tr("Fin&d:"));
  FindText = Named(new QLineEdit, "FindText");
  FindText->setAccessibleName(tr("Find"));
  findLabel->setBuddy(FindText);
  QPushButton* findNext = PushButton("FindNextButton", tr("Next"));
  findNext->setToolTip(tr("Next hit (Enter)"));
  auto* close = Named(new QToolButton, "CloseFindButton");
  close->setText(QStringLiteral("\u00D7"));
  close->setAutoRaise(true);
  close->setToolTip(tr("Close the find bar (Esc)"));
  close->setAccessibleName(tr("Close the find bar"));
  findRow->addWidget(findLabel);
  findRow->addWidget(FindText, 1);
  findRow->addWidget(findNext);
  findRow->addWidget(close);
  column->addLayout(findRow);

  ReplaceRow = Named(new QWidget, "ReplaceRow");
  auto* replaceRow = new QHBoxLayout(ReplaceRow);
  replaceRow->setContentsMargins(0, 0, 0, 0);
  auto* replaceLabel = new QLabel(tr("Re&place:"));
  ReplaceText = Named(new QLineEdit, "ReplaceText");
  ReplaceText->setAccessibleName(tr("Replace with"));
  replaceLabel->setBuddy(ReplaceText);
  QPushButton* replace = PushButton("ReplaceButton", tr("&Replace"));
  QPushButton* replaceAll = PushButton("ReplaceAllButton", tr("Replace &All"));
  replaceRow->addWidget(replaceLabel);
  replaceRow->addWidget(ReplaceText, 1);
  replaceRow->addWidget(replace);
  replaceRow->addWidget(replaceAll);
  column->addWidget(ReplaceRow);
  // Both labels line up over the text boxes.
  replaceLabel->setMinimumWidth(replaceLabel->sizeHint().width());
  findLabel->setMinimumWidth(replaceLabel->sizeHint().width());

  auto* optionRow = new QHBoxLayout;
  MatchCase = Option("MatchCase", tr("Match &case"), false);
  WholeWords = Option("WholeWords", tr("&Whole words"), false);
  RegularExpression = Option("RegularExpression", tr("Regular e&xpression"), false);
  optionRow->addWidget(MatchCase);
  optionRow->addWidget(WholeWords);
  optionRow->addWidget(RegularExpression);
  optionRow->addStretch(1);
  column->addLayout(optionRow);

  auto* areaRow = new QHBoxLayout;
  areaRow->addWidget(new QLabel(tr("Look in:")));
  const std::array<std::pair<const char*, QString>, SearchAreaCount> areas = {{
      {"SearchQuestion", tr("Question")},
      {"SearchAnswers", tr("Answers")},
      {"SearchReference", tr("Reference")},
      {"SearchHotLink", tr("Hot link")},
      {"SearchMedia", tr("Media file")},
  }};
  for (size_t i = 0; i < areas.size(); ++i) {
    Areas[i] = Option(areas[i].first, areas[i].second, true);
    areaRow->addWidget(Areas[i]);
    connect(Areas[i], &QCheckBox::toggled, this, &TFindBar::Refresh);
  }
  areaRow->addStretch(1);
  column->addLayout(areaRow);

  HitList = Named(new QListWidget, "HitList");
  HitList->setAccessibleName(tr("Hits"));
  HitList->setFixedHeight(HitListHeight);
  HitList->setUniformItemSizes(true);
  column->addWidget(HitList);
  FindStatus = Named(new QLabel, "FindStatus");
  column->addWidget(FindStatus);

  connect(FindText, &QLineEdit::textChanged, this, [this] {
    Shown = -1;
    Refresh();
  });
  connect(FindText, &QLineEdit::returnPressed, this, &TFindBar::FindNextClick);
  connect(ReplaceText, &QLineEdit::returnPressed, this, &TFindBar::ReplaceClick);
  for (QCheckBox* option : {MatchCase, WholeWords, RegularExpression})
    connect(option, &QCheckBox::toggled, this, &TFindBar::Refresh);
  connect(findNext, &QPushButton::clicked, this, &TFindBar::FindNextClick);
  connect(replace, &QPushButton::clicked, this, &TFindBar::ReplaceClick);
  connect(replaceAll, &QPushButton::clicked, this, &TFindBar::ReplaceAllClick);
  connect(close, &QToolButton::clicked, this, &TFindBar::CloseFindClick);
  connect(HitList, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowHit(HitList->row(item)); });
  connect(HitList, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowHit(HitList->row(item)); });
  hide();
}

void TFindBar::Open(bool replacing) {
  const bool wasOpen = isVisible();
  ReplaceRow->setVisible(replacing || (wasOpen && ReplaceRow->isVisible()));
  show();
  Editor.FitFindBar();
  QLineEdit* focus = replacing && !FindText->text().isEmpty() ? ReplaceText : FindText;
  focus->setFocus();
  focus->selectAll();
  Refresh();
}

void TFindBar::CloseFindClick() {
  hide();
  Editor.FitFindBar();
}

TSearchOptions TFindBar::Options() const {
  TSearchOptions options;
  options.Pattern = ToCoreText(FindText->text());
  options.MatchCase = MatchCase->isChecked();
  options.WholeWords = WholeWords->isChecked();
  options.RegularExpression = RegularExpression->isChecked();
  for (size_t i = 0; i < Areas.size(); ++i) options.Areas[i] = Areas[i]->isChecked();
  return options;
}

void TFindBar::ShowList(std::vector<TSearchHit> hits, const QString& status) {
  ReplaceRow->hide();
  show();
  Editor.FitFindBar();
  Found = std::move(hits);
  Listing = true;
  Shown = -1;
  FillList();
  FindStatus->setText(status);
  HitList->setFocus();
}

void TFindBar::FillList() {
  HitList->clear();
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(Found.size()));
  for (const TSearchHit& hit : Found) lines << HitLine(Globals.Questions, hit);
  HitList->addItems(lines);
}

void TFindBar::Refresh() {
  Listing = false;
  Found.clear();
  const TTestSearch search(Options());
  if (search.Valid()) {
    Editor.StoreScreen();
    Found = search.FindAll(Globals.Questions);
  }
  FillList();
  if (!search.Valid())
    //: %1 is the fault the regular expression library found.
    FindStatus->setText(tr("Not a regular expression: %1").arg(FromSystemText(search.Error())));
  else if (FindText->text().isEmpty())
    FindStatus->clear();
  else if (Found.empty())
    FindStatus->setText(tr("Not found"));
  else
    FindStatus->setText(Found.size() == 1 ? tr("1 hit") : tr("%1 hits").arg(Found.size()));
  if (Shown >= static_cast<int>(Found.size())) Shown = -1;
  if (Shown >= 0) {
    const QSignalBlocker quiet(HitList);
    HitList->setCurrentRow(Shown);
  }
}

void TFindBar::ShowHit(int row) {
  if (row < 0 || row >= static_cast<int>(Found.size())) return;
  if (!Editor.ShowHit(Found[static_cast<size_t>(row)])) return;
  Shown = row;
  const QSignalBlocker quiet(HitList);
  HitList->setCurrentRow(row);
}

void TFindBar::FindNextClick() {
  if (!Listing) Refresh();
  if (Found.empty()) return;
  ShowHit(Shown < 0 ? 0 : (Shown + 1) % static_cast<int>(Found.size()));
}

bool TFindBar::StorableReplacement(std::string& replacement) {
  replacement = ToCoreText(ReplaceText->text());
  return true;
}

void TFindBar::ReplaceClick() {
  Refresh();
  // The first press shows the hit it will replace.
  if (Shown < 0) {
    FindNextClick();
    return;
  }
  std::string replacement;
  if (!StorableReplacement(replacement) || !Editor.SaveCurrent()) return;
  const TSearchHit hit = Found[static_cast<size_t>(Shown)];
  const TTestSearch search(Options());
  Editor.ChangeQuestions(tr("Replace"), [&] {
    std::string& text = FieldText(Globals.Questions.Slot(hit.Number), hit.Field);
    text.replace(hit.Position, hit.Length, search.Replaced(text, hit, replacement));
  });
  // The hit replaced is gone from the list; the one after it takes its row.
  const int next = Shown;
  Refresh();
  if (Found.empty()) return;
  ShowHit(next % static_cast<int>(Found.size()));
}

void TFindBar::ReplaceAllClick() {
  Refresh();
  std::string replacement;
  if (Found.empty() || !StorableReplacement(replacement) || !Editor.SaveCurrent()) {
    if (Found.empty()) Globals.Dialogs.Inform(NothingToReplaceText());
    return;
  }
  const TTestSearch search(Options());
  const std::vector<TFieldChange> changes = search.PlanReplaceAll(Globals.Questions, replacement);
  if (changes.empty()) {
    Globals.Dialogs.Inform(NothingToReplaceText());
    return;
  }
  if (PreviewReplaceAll(changes, window()) != QDialog::Accepted) return;
  Editor.ChangeQuestions(tr("Replace All"), [&] { TTestSearch::Apply(Globals.Questions, changes); });
  Shown = -1;
  Refresh();
}

int PreviewReplaceAll(const std::vector<TFieldChange>& changes, QWidget* parent) {
  QDialog preview(parent);
  Named(&preview, "ReplacePreview");
  preview.setWindowTitle(QCoreApplication::translate("TFindBar", "Replace All"));
  auto* column = new QVBoxLayout(&preview);
  column->addWidget(new QLabel(
      changes.size() == 1
          ? QCoreApplication::translate("TFindBar", "1 field will change:")
          : QCoreApplication::translate("TFindBar", "%1 fields will change:").arg(changes.size())));
  auto* list = Named(new QTreeWidget, "ChangeList");
  list->setHeaderLabels({QCoreApplication::translate("TFindBar", "Question"),
                         QCoreApplication::translate("TFindBar", "Field"),
                         QCoreApplication::translate("TFindBar", "Now"),
                         QCoreApplication::translate("TFindBar", "After replacing")});
  list->setRootIsDecorated(false);
  for (const TFieldChange& change : changes)
    new QTreeWidgetItem(list, {QString::number(change.Number), FieldCaption(change.Field),
                               ToQString(HitContext(change.Before, 0, change.Before.size(), 0)),
                               ToQString(HitContext(change.After, 0, change.After.size(), 0))});
  list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  column->addWidget(list);
  auto* buttons =
      Named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), "PreviewButtons");
  buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("TFindBar", "Replace All"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &preview, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &preview, &QDialog::reject);
  column->addWidget(buttons);
  preview.resize(560, 320);
  return preview.exec();
}
