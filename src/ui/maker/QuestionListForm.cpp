#include "ui/maker/QuestionListForm.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "core/results/Reports.h"
#include "core/run/BankFilter.h"
#include "ui/platform/WindowKit.h"
#include "ui/text/QtText.h"

namespace {

enum TColumn {
  NumberColumn,
  QuestionColumn,
  CategoryColumn,
  TagsColumn,
  AskedColumn,
  FacilityColumn,
  DiscriminationColumn,
  LastAskedColumn,
  KeyChangedColumn,
  ColumnCount
};

// A cell that sorts by the number behind its text ("64%" after "9%").
class TNumberItem : public QTableWidgetItem {
public:
  TNumberItem(const QString& text, double value) : QTableWidgetItem(text) { setData(Qt::UserRole, value); }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
  }
};

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

QTableWidgetItem* NumberCell(const QString& text, double value) {
  auto* item = new TNumberItem(text, value);
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

}  // namespace

void TQuestionTable::dropEvent(QDropEvent* event) {
  const int to = rowAt(event->position().toPoint().y());
  const int from = currentRow();
  // The rows are filled again from the questions once the move is made.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  if (from >= 0 && to >= 0 && from != to) emit Moved(from, to);
}

TQuestionListForm::TQuestionListForm(const QuestionSet& questions, std::vector<TQuestionHistory> histories,
                                     TQuestionListActions actions, QWidget* parent)
    : QDialog(parent), Questions(questions), Histories(std::move(histories)), Actions(std::move(actions)) {
  setObjectName(QStringLiteral("QuestionListForm"));
  setWindowTitle(tr("Question List"));
  FilterEdit = Named(new QLineEdit, "FilterEdit");
  FilterEdit->setPlaceholderText(tr("Category or tag"));
  FilterEdit->setClearButtonEnabled(true);
  List = Named(new TQuestionTable(0, ColumnCount), "List");
  List->setHorizontalHeaderLabels({tr("No."), tr("Question"), tr("Category"), tr("Tags"), tr("Asked"),
                                   tr("Facility"), tr("Discrimination"), tr("Last Asked"),
                                   tr("Key Changed")});
  List->setSelectionBehavior(QAbstractItemView::SelectRows);
  List->setSelectionMode(QAbstractItemView::ExtendedSelection);
  List->setDragEnabled(true);
  List->setAcceptDrops(true);
  List->setDragDropMode(QAbstractItemView::InternalMove);
  List->setDropIndicatorShown(true);
  List->verticalHeader()->hide();
  // The question's words take the room the figures leave.
  List->setWordWrap(false);
  List->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  List->horizontalHeader()->setSectionResizeMode(QuestionColumn, QHeaderView::Stretch);
  List->setSortingEnabled(true);
  CategoryEdit = Named(new QLineEdit, "CategoryEdit");
  CategoryEdit->setPlaceholderText(tr("Mechanics/Forces"));
  SetCategoryButton = PushButton("SetCategoryButton", tr("Set &Category"));
  auto* close = PushButton("CloseButton", tr("Close"));

  auto* filterRow = new QHBoxLayout;
  auto* filterLabel = Named(new QLabel(tr("&Show:")), "FilterLabel");
  filterLabel->setBuddy(FilterEdit);
  filterRow->addWidget(filterLabel);
  filterRow->addWidget(FilterEdit, 1);
  auto* categoryRow = new QHBoxLayout;
  auto* categoryLabel = Named(new QLabel(tr("Category of the selected questions:")), "CategoryLabel");
  categoryLabel->setBuddy(CategoryEdit);
  categoryRow->addWidget(categoryLabel);
  categoryRow->addWidget(CategoryEdit, 1);
  categoryRow->addWidget(SetCategoryButton);
  categoryRow->addSpacing(12);
  categoryRow->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filterRow);
  layout->addWidget(List, 1);
  layout->addLayout(categoryRow);

  connect(FilterEdit, &QLineEdit::textChanged, this, &TQuestionListForm::ApplyFilter);
  connect(SetCategoryButton, &QPushButton::clicked, this, &TQuestionListForm::SetCategoryClick);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(List, &TQuestionTable::Moved, this, &TQuestionListForm::MoveRow);
  connect(List, &QTableWidget::cellDoubleClicked, this, [this](int row) { ShowRow(row); });
  connect(List, &QTableWidget::itemSelectionChanged, this,
          [this] { SetCategoryButton->setEnabled(!List->selectedItems().isEmpty()); });
  Fill();
  List->sortByColumn(NumberColumn, Qt::AscendingOrder);
  resize(1100, 520);
}

void TQuestionListForm::Fill() {
  const bool sorting = List->isSortingEnabled();
  List->setSortingEnabled(false);
  List->setRowCount(Questions.QuestionCount);
  for (int n = 1; n <= Questions.QuestionCount; ++n) {
    const QuestionRecord& q = Questions.Slot(n);
    const int row = n - 1;
    List->setItem(row, NumberColumn, NumberCell(QString::number(n), n));
    List->setItem(row, QuestionColumn, Cell(ToQString(Reports::QuestionLine(q.Question))));
    List->setItem(row, CategoryColumn, Cell(ToQString(q.Category)));
    List->setItem(row, TagsColumn, Cell(ToQString(TestFile::TagsValue(q.Tags))));
    const TQuestionHistory h =
        static_cast<std::size_t>(row) < Histories.size() ? Histories[row] : TQuestionHistory{};
    List->setItem(row, AskedColumn, NumberCell(QString::number(h.Asked), h.Asked));
    List->setItem(row, FacilityColumn,
                  h.Facility
                      ? NumberCell(QStringLiteral("%1%").arg(*h.Facility * 100, 0, 'f', 0), *h.Facility)
                      : NumberCell({}, -1));
    List->setItem(row, DiscriminationColumn,
                  h.Discrimination
                      ? NumberCell(QLocale().toString(*h.Discrimination, 'f', 2), *h.Discrimination)
                      : NumberCell({}, -2));
    List->setItem(row, LastAskedColumn, Cell(ToQString(h.LastAsked.substr(0, 10))));
    List->setItem(row, KeyChangedColumn, Cell(h.KeyChanged ? tr("changed") : QString()));
  }
  List->setSortingEnabled(sorting);
  ApplyFilter();
  SetCategoryButton->setEnabled(!List->selectedItems().isEmpty());
}

void TQuestionListForm::ApplyFilter() {
  const std::string filter = ToCoreText(FilterEdit->text());
  for (int row = 0; row < List->rowCount(); ++row)
    List->setRowHidden(row, !InBankFilter(Questions.Slot(NumberOf(row)), filter));
}

int TQuestionListForm::NumberOf(int row) const {
  return static_cast<int>(List->item(row, NumberColumn)->data(Qt::UserRole).toDouble());
}

std::vector<int> TQuestionListForm::SelectedNumbers() const {
  std::set<int> numbers;
  for (const QModelIndex& index : List->selectionModel()->selectedRows())
    numbers.insert(NumberOf(index.row()));
  return {numbers.begin(), numbers.end()};
}

void TQuestionListForm::ShowRow(int row) {
  Actions.Show(NumberOf(row));
  accept();
}

void TQuestionListForm::SetCategoryClick() {
  const std::vector<int> numbers = SelectedNumbers();
  if (numbers.empty()) return;
  Actions.SetCategory(numbers, CategoryEdit->text().trimmed());
  Fill();
}

void TQuestionListForm::MoveRow(int fromRow, int toRow) {
  const int from = NumberOf(fromRow), to = NumberOf(toRow);
  Actions.Move(from, to);
  // The histories follow their questions as the questions did.
  if (Histories.size() >= static_cast<std::size_t>(std::max(from, to)))
    MoveToPlace(Histories.begin(), from, to);
  Fill();
  List->clearSelection();
  for (int row = 0; row < List->rowCount(); ++row)
    if (NumberOf(row) == to) List->selectRow(row);
}
