#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "core/results/RecordAttempt.h"
#include "core/results/ResultsStore.h"
#include "ui/maker/EditorFixture.h"
#include "ui/maker/QuestionListForm.h"

namespace {

// Four questions: 1 and 3 in Mechanics (3 under Forces), 2 in Waves with the
// tag "lab", 4 in none.
class QuestionListFormTest : public EditorFixture {
protected:
  std::vector<QuestionRecord> Bank() {
    std::vector<QuestionRecord> records = Questions(4);
    records[0].Category = "Mechanics";
    records[1].Category = "Waves";
    records[1].Tags = "lab, exam";
    records[2].Category = "Mechanics/Forces";
    records[2].Correct = QuestionSet::CorrectLetters({true, false, false, false, false, false});
    return records;
  }

  static QTableWidget& List(TQuestionListForm& form) { return *Child<QTableWidget>(form, "List"); }
  static QStringList Column(TQuestionListForm& form, int column) {
    QStringList shown;
    for (int row = 0; row < List(form).rowCount(); ++row)
      if (!List(form).isRowHidden(row)) shown << List(form).item(row, column)->text();
    return shown;
  }
  QString Shown() { return Child<QPlainTextEdit>(*Editor, "QuestionLabel")->toPlainText(); }
};

TEST_F(QuestionListFormTest, NarrowsByCategoryOrTagAndSetsACategoryAsOneStep) {
  const std::string path = WriteTest(Bank());
  OpenEditor(path);
  const auto answer = OnModal<TQuestionListForm>([](TQuestionListForm& form) {
    EXPECT_EQ(Column(form, 0), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(Column(form, 3), (QStringList{"", "lab, exam", "", ""}));
    auto* filter = Child<QLineEdit>(form, "FilterEdit");
    filter->setText("mechanics");  // a category and what lies under it, any case
    EXPECT_EQ(Column(form, 0), (QStringList{"1", "3"}));
    filter->setText("Mech");  // a path's part is not a category
    EXPECT_EQ(Column(form, 0), QStringList{});
    filter->setText("LAB");
    EXPECT_EQ(Column(form, 0), QStringList{"2"});
    filter->clear();
    List(form).selectRow(1);
    List(form).selectionModel()->select(List(form).model()->index(3, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(form.SelectedNumbers(), (std::vector<int>{2, 4}));
    Child<QLineEdit>(form, "CategoryEdit")->setText("Optics/Lenses");
    Click(form, "SetCategoryButton");
    EXPECT_EQ(Column(form, 2),
              (QStringList{"Mechanics", "Optics/Lenses", "Mechanics/Forces", "Optics/Lenses"}));
    Click(form, "CloseButton");
  });
  Trigger(*Editor, "QuestionList1");
  EXPECT_EQ(Set->Slot(2).Category, "Optics/Lenses");
  EXPECT_EQ(Set->Slot(4).Category, "Optics/Lenses");
  Trigger(*Editor, "Undo1");
  EXPECT_EQ(Set->Slot(2).Category, "Waves");
  EXPECT_EQ(Set->Slot(4).Category, "");
}

TEST_F(QuestionListFormTest, AMoveTakesTheHistoryAlongAndADoubleClickShowsTheQuestion) {
  const std::vector<QuestionRecord> bank = Bank();
  const std::string path = WriteTest(bank);
  {  // Question 3 was answered once, right, in an attempt of this folder's store.
    TAttempt attempt;
    attempt.Id = "0123456789abcdef0123456789abcdef";
    attempt.TestFile = "TEST.QWT";
    for (int n = 1; n <= 4; ++n) attempt.Questions.push_back(SnapshotOf(bank[n - 1], n));
    attempt.Fingerprint = Fingerprint(attempt.Questions);
    attempt.Student = "Ann";
    attempt.Started = attempt.Ended = "2026-11-30 10:00:00";
    attempt.Answered.push_back({3, 1, "", attempt.Questions[2].Correct, false});
    OpenResultsStore(Dir.Path().string(), Dir.File("data")).Store->Add(attempt, "1");
  }
  OpenEditor(path);
  const auto answer = OnModal<TQuestionListForm>([](TQuestionListForm& form) {
    EXPECT_EQ(Column(form, 4), (QStringList{"0", "0", "1", "0"}));
    EXPECT_EQ(Column(form, 5), (QStringList{"", "", "100%", ""}));
    EXPECT_EQ(Column(form, 7), (QStringList{"", "", "2026-11-30", ""}));
    form.MoveRow(2, 0);  // question 3 dragged onto question 1
    EXPECT_EQ(Column(form, 1), (QStringList{"Question 3", "Question 1", "Question 2", "Question 4"}));
    EXPECT_EQ(Column(form, 4), (QStringList{"1", "0", "0", "0"}));
    emit List(form).cellDoubleClicked(3, 0);
    EXPECT_FALSE(form.isVisible());
  });
  Trigger(*Editor, "QuestionList1");
  EXPECT_EQ(Shown(), "Question 4");
  EXPECT_EQ(Set->Slot(1).Question, "Question 3");
  Trigger(*Editor, "Undo1");
  EXPECT_EQ(Set->Slot(1).Question, "Question 1");
  EXPECT_EQ(Set->Slot(3).Question, "Question 3");
}

}  // namespace
