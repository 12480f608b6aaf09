#include "ui/engine/HistoryForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/results/StoreLocation.h"
#include "core/storage/AtomicFile.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/EngineServices.h"
#include "ui/platform/QtText.h"

THistoryForm::THistoryForm(std::vector<THistoryRecord> records, TDialogs& dialogs, QWidget* parent)
    : QDialog(parent), Records(std::move(records)), Dialogs(dialogs) {
  setObjectName(QStringLiteral("HistoryForm"));
  setWindowTitle(tr("Test History"));
  resize(820, 400);
  auto* layout = new QVBoxLayout(this);
  const QStringList headers = {tr("Student"), tr("Date"),    tr("Test"),   tr("Questions"),
                               tr("Right"),   tr("Percent"), tr("Result"), tr("Time taken")};
  Grid1 = Named(new QTableWidget(static_cast<int>(Records.size()), headers.size()), "Grid1");
  Grid1->setHorizontalHeaderLabels(headers);
  Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  Grid1->verticalHeader()->hide();
  int row = 0;
  for (auto it = Records.rbegin(); it != Records.rend(); ++it, ++row) {
    const QStringList cells = {FromUtf8(it->Student), FromUtf8(it->When), FromUtf8(it->Description),
                               QString::number(it->Asked), QString::number(it->Right),
                               //: A percentage; the number is %1.
                               tr("%1%").arg(it->Percent), FromUtf8(it->Result), FromUtf8(it->TimeTaken)};
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column == 2) item->setToolTip(FromPath(it->TestFile));
      Grid1->setItem(row, column, item);
    }
  }
  Grid1->resizeColumnsToContents();
  Grid1->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(Grid1);
  auto* buttons = new QHBoxLayout;
  QPushButton* exportButton = Named(new QPushButton(tr("&Export CSV...")), "ExportButton");
  QPushButton* close = Named(new QPushButton(tr("&Close")), "CloseButton");
  exportButton->setEnabled(!Records.empty());
  buttons->addWidget(exportButton);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(exportButton, &QPushButton::clicked, this, &THistoryForm::ExportButtonClick);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  CentreOnScreen(this);
}

void THistoryForm::ExportButtonClick() {
  RunGuarded(Dialogs, [this] {
    //: A file-type filter: description|patterns pairs. Translate the descriptions only.
    const QString filter = tr("CSV Files|*.CSV|All Files|*.*");
    const std::optional<QString> path = Dialogs.SaveFile(
        {tr("Export History"), filter, QStringLiteral("csv"), QStringLiteral("history.csv")});
    if (!path || !OutputAllowed(Dialogs, *path, {}, StoreFilesBeside(ToPath(*path)))) return;
    ReplaceFileAtomically(ToPath(*path), History::ExportCsv(Records));
  });
}
