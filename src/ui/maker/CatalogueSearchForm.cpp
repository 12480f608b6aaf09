#include "ui/maker/CatalogueSearchForm.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/TestCatalogue.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"

TCatalogueSearchForm::TCatalogueSearchForm(TGlobals& globals, const TestCatalogue& catalogue, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("CatalogueSearchForm"));
  setWindowTitle(tr("Search Tests"));
  for (int n = 1; n <= MaxTests; ++n)
    if (!catalogue.Entry(n).Description.empty())
      Paths.push_back(catalogue.PathOf(catalogue.Entry(n).FileName));

  auto* column = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* label = new QLabel(tr("&Find tests holding:"));
  SearchText = Named(new QLineEdit, "SearchText");
  label->setBuddy(SearchText);
  auto* search = PushButton("SearchButton", tr("&Search"));
  row->addWidget(label);
  row->addWidget(SearchText, 1);
  row->addWidget(search);
  column->addLayout(row);

  TestHits = Named(new QTreeWidget, "TestHits");
  TestHits->setAccessibleName(tr("Tests found"));
  TestHits->setHeaderLabels({tr("Test"), tr("Question"), tr("Text")});
  TestHits->setRootIsDecorated(false);
  TestHits->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  column->addWidget(TestHits, 1);
  SearchStatus = Named(new QLabel, "SearchStatus");
  column->addWidget(SearchStatus);

  // No button is the default: Enter in the field searches, Enter in the list opens.
  auto* buttons = new QDialogButtonBox;
  QPushButton* open = PushButton("OpenButton", tr("&Open in the Editor"));
  buttons->addButton(open, QDialogButtonBox::ActionRole);
  QPushButton* close = PushButton("CloseButton", tr("&Close"));
  buttons->addButton(close, QDialogButtonBox::RejectRole);
  column->addWidget(buttons);

  connect(SearchText, &QLineEdit::returnPressed, this, &TCatalogueSearchForm::SearchButtonClick);
  connect(search, &QPushButton::clicked, this, &TCatalogueSearchForm::SearchButtonClick);
  connect(open, &QPushButton::clicked, this, &TCatalogueSearchForm::OpenButtonClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(TestHits, &QTreeWidget::itemActivated, this, &TCatalogueSearchForm::OpenButtonClick);
  InstallHelpKey(this, globals.Help, HelpContext::Main);
  resize(600, 360);
}

void TCatalogueSearchForm::SearchButtonClick() {
  TSearchOptions options;
  options.Pattern = ToCoreText(SearchText->text());
  Found = SearchTests(Paths, options);
  TestHits->clear();
  for (const TTestHit& hit : Found)
    new QTreeWidgetItem(TestHits, {ToQString(hit.Description),
                                   hit.Number == 0 ? tr("description") : QString::number(hit.Number),
                                   ToQString(hit.Context)});
  if (!Found.empty()) TestHits->setCurrentItem(TestHits->topLevelItem(0));
  SearchStatus->setText(Found.empty() ? tr("Not found") : tr("Found in %1 places").arg(Found.size()));
}

void TCatalogueSearchForm::OpenButtonClick() {
  const int row = TestHits->indexOfTopLevelItem(TestHits->currentItem());
  if (row < 0 || row >= static_cast<int>(Found.size())) return;
  const TTestHit& hit = Found[static_cast<size_t>(row)];
  Chosen = FromPath(hit.Path);
  ChosenQuestion = std::max(hit.Number, 1);
  accept();
}
