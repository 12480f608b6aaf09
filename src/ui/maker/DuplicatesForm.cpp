#include "ui/maker/DuplicatesForm.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"

namespace {

// Where a member item leads: the test's index and the question's number.
constexpr int TestRole = Qt::UserRole;
constexpr int NumberRole = Qt::UserRole + 1;

}  // namespace

TDuplicatesForm::TDuplicatesForm(TRead read, TOpen open, QWidget* parent)
    : QDialog(parent), Read(std::move(read)), Open(std::move(open)) {
  setObjectName(QStringLiteral("DuplicatesForm"));
  setWindowTitle(tr("Duplicate Questions"));
  auto* column = new QVBoxLayout(this);
  Label1 = Named(new QLabel(this), "Label1");
  column->addWidget(Label1);

  GroupTree = Named(new QTreeWidget(this), "GroupTree");
  GroupTree->setAccessibleName(tr("Questions typed twice"));
  GroupTree->setAccessibleDescription(
      tr("Each group lists its questions by test and number; activate one to edit it"));
  GroupTree->setHeaderLabels({tr("Test"), tr("Question"), tr("Text")});
  GroupTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  Label1->setBuddy(GroupTree);
  column->addWidget(GroupTree, 1);

  auto* buttons = Named(new QDialogButtonBox(QDialogButtonBox::Close, this), "ButtonBox");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
  connect(GroupTree, &QTreeWidget::itemActivated, this, &TDuplicatesForm::ItemActivated);
  resize(720, 420);
  Refresh();
}

void TDuplicatesForm::Refresh() {
  Tests = Read();
  const std::vector<Duplicates::TGroup> groups = Duplicates::Find(Tests);
  Label1->setText(groups.empty() ? tr("No question is typed twice in these tests.")
                                 : tr("&Questions typed twice (double-click one to edit it there):"));
  GroupTree->clear();
  for (const Duplicates::TGroup& group : groups) {
    auto* heading = new QTreeWidgetItem(GroupTree, {FromUtf8(std::string(Duplicates::KindText(group.Kind)))});
    heading->setFirstColumnSpanned(true);
    for (const Duplicates::TPlace& place : group.Members) {
      const Duplicates::TTestQuestions& test = Tests[place.Test];
      QString number = QString::number(place.Number);
      if (group.Kind == Duplicates::TGroup::OtherAnswers)
        number += tr(" (answers %1)").arg(place.Answers + 1);
      auto* item = new QTreeWidgetItem(
          heading, {QFileInfo(FromPath(test.Name)).fileName(), number,
                    ToQString(Duplicates::OneLine(test.Questions[place.Number - 1].Question))});
      item->setData(0, TestRole, place.Test);
      item->setData(0, NumberRole, place.Number);
    }
  }
  GroupTree->expandAll();
}

void TDuplicatesForm::ItemActivated(QTreeWidgetItem* item) {
  if (item == nullptr || !item->data(0, TestRole).isValid()) return;
  // A copy: the list is read again once the editor is closed.
  const std::string path = Tests[item->data(0, TestRole).toInt()].Name;
  Open(path, item->data(0, NumberRole).toInt());
  Refresh();
}
