#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "core/model/TestCatalogue.h"
#include "ui/maker/CatalogueSearchForm.h"
#include "ui/maker/EditorFixture.h"

namespace {

class CatalogueSearchFormTest : public EditorFixture {};

TEST_F(CatalogueSearchFormTest, FindsTestsByDescriptionAndQuestionAndOpensTheEditorThere) {
  std::vector<QuestionRecord> cells = Questions(3);
  cells[2].AnswerB = "The cell wall";
  WriteTest(cells, "CELLS.QWT", "Plants");
  WriteTest(Questions(2), "WALLS.QWT", "Walls and cells");
  WriteTest({Question("x")}, "OTHER.QWT", "Other");
  TestCatalogue catalogue(Dir.Path().string());
  catalogue.Scan();

  // Enter in the field searches and leaves the window open.
  TCatalogueSearchForm search(Globals, catalogue);
  search.show();
  auto* field = Child<QLineEdit>(search, "SearchText");
  field->setText(QStringLiteral("CELL"));
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_TRUE(search.isVisible());
  auto* hits = Child<QTreeWidget>(search, "TestHits");
  ASSERT_EQ(hits->topLevelItemCount(), 2);
  EXPECT_EQ(hits->topLevelItem(0)->text(1), "3");
  EXPECT_EQ(hits->topLevelItem(0)->text(2), "The cell wall");
  EXPECT_EQ(hits->topLevelItem(1)->text(0), "Walls and cells");
  EXPECT_EQ(hits->topLevelItem(1)->text(1), "description");

  hits->setCurrentItem(hits->topLevelItem(0));
  Click(search, "OpenButton");
  EXPECT_EQ(search.result(), QDialog::Accepted);
  ASSERT_EQ(search.ChosenPath(), FromPath(Dir.File("CELLS.QWT")));

  Globals.CurrentTestPath = search.ChosenPath();
  Editor = std::make_unique<TQAForm>(Globals);
  Editor->StartAt(search.ChosenNumber());
  Editor->StartTimerTimer();
  EXPECT_EQ(Editor->windowTitle(), "Plants - Question 3 of 3");

  Child<QLineEdit>(search, "SearchText")->setText(QStringLiteral("nowhere"));
  Click(search, "SearchButton");
  EXPECT_EQ(Child<QLabel>(search, "SearchStatus")->text(), "Not found");
}

}  // namespace
