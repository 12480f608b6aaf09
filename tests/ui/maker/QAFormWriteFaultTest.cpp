// Save in the question editor when the file cannot be written, at each step of
// the save: one error box, the editor stays open on the question, the edits are
// still in memory and on the screen, the test on disk and its folder are as
// they were, and Save works once the fault is gone.

#include <QPlainTextEdit>

#include "ui/maker/EditorFixture.h"
#include "ui/maker/NoteForm.h"
#include "support/InjectedFault.h"

namespace {

using IniStoreFaults::TStep;

class EditorWriteFaultTest : public EditorFixture, public testing::WithParamInterface<TStep> {};

}  // namespace

TEST_P(EditorWriteFaultTest, AFailedSaveIsReportedOnceAndLosesNothing) {
  const std::string path = WriteTest(Questions(2));
  OpenEditor(path);
  Child<QPlainTextEdit>(*Editor, "QuestionLabel")->setPlainText("Edited");
  Click(*Editor, "AddNewButton");
  Child<QPlainTextEdit>(*Editor, "QuestionLabel")->setPlainText("Added");
  const auto before = FolderSnapshot(Dir.Path());

  {
    TInjectedFault fault(GetParam());
    Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(FaultText(GetParam(), path)));
    Click(*Editor, "SaveButton");
  }
  EXPECT_TRUE(Dialogs.AllUsed());
  EXPECT_TRUE(Editor->isVisible());
  EXPECT_TRUE(Editor->findChildren<TNoteForm*>().isEmpty());
  EXPECT_EQ(FolderSnapshot(Dir.Path()), before);
  EXPECT_EQ(Set->QuestionCount, 3);
  EXPECT_EQ(Set->Slot(1).Question, "Edited");
  EXPECT_EQ(Set->Slot(3).Question, "Added");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 3 of 3");
  EXPECT_EQ(Child<QPlainTextEdit>(*Editor, "QuestionLabel")->toPlainText(), "Added");

  Dialogs.ExpectMessage(TMessageKind::Confirmation,
                        QStringLiteral("Changes saved. Would you like to continue editing?"), TButton::Yes);
  Click(*Editor, "SaveButton");
  const auto saved = Reload(path);
  EXPECT_EQ(saved->QuestionCount, 3);
  EXPECT_EQ(saved->Slot(1).Question, "Edited");
  EXPECT_EQ(saved->Slot(3).Question, "Added");
}

INSTANTIATE_TEST_SUITE_P(EachStep, EditorWriteFaultTest, testing::ValuesIn(AllSteps),
                         [](const testing::TestParamInfo<TStep>& info) { return StepName(info.param); });
