#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>
#include <deque>

#include "core/model/ClientConfig.h"
#include "core/model/TestFile.h"
#include "core/run/History.h"
#include "core/run/TestSession.h"
#include "core/storage/IniStore.h"
#include "support/ManualClock.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/UiKit.h"
#include "ui/engine/BeginBox.h"
#include "ui/engine/EndForm.h"
#include "ui/engine/EngineForm.h"
#include "ui/engine/HistoryForm.h"
#include "ui/engine/Prompts.h"
#include "ui/engine/QuestionForm.h"
#include "ui/engine/ReviewForm.h"
#include "ui/platform/QtText.h"

namespace {

class TScriptedPrompts : public TPrompts {
public:
  ~TScriptedPrompts() override { EXPECT_TRUE(Answers.empty()) << "unused prompt answers"; }
  std::optional<QString> AskText(const QString& title, const QString&, bool secret) override {
    Asked.push_back(title + (secret ? QStringLiteral(" (secret)") : QString()));
    EXPECT_FALSE(Answers.empty()) << "unexpected prompt " << title.toStdString();
    if (Answers.empty()) return std::nullopt;
    auto answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  std::deque<std::optional<QString>> Answers;
  QStringList Asked;
};

QuestionRecord Question(const char* text, const char* correct, bool any = false) {
  QuestionRecord q;
  q.Question = text;
  q.AnswerA = "Alpha";
  q.AnswerB = "Beta";
  q.AnswerC = "Gamma";
  q.Correct = correct;
  q.AnyCorrectPasses = any;
  q.Reference = "Chapter 1";
  return q;
}

class EngineTest : public testing::Test {
protected:
  TTempDir Dir;
  TScriptedDialogs Dialogs;
  TScriptedPrompts Prompts;
  TRecordingShell Shell;
  TRecordingHelp Help;
  TManualClock Clock;
  TestSettings Settings;
  std::vector<QuestionRecord> Questions{Question("One", "A"), Question("Two", "BC"), Question("Three", "C")};
  TEngineServices Services{Dialogs, Shell, FromPath(Dir.Path().string())};

  QString WriteTest() {
    const std::string path = Dir.File("QUIZ.QWT");
    TIniStore store(path);
    Settings.Description = "Quiz";
    WriteTestSettings(store, Settings);
    for (size_t i = 0; i < Questions.size(); ++i) TestFile::WriteQuestion(store, int(i) + 1, Questions[i]);
    store.UpdateFile();
    return FromPath(path);
  }
  TEngineSetup EngineSetup() {
    return {Services.Folder, FromPath(Dir.File("data/history.csv")), Dialogs, Prompts, Shell, Help, Clock};
  }
  TTestSession Started() {
    TTestSession session(Settings, Questions, Clock);
    session.Start(0, 1);
    return session;
  }
};

}  // namespace

TEST_F(EngineTest, BeginBoxShowsTheMessageAsTheMakerDoesAndOffersTheCount) {
  Settings.BeginMessage = {"Good luck"};
  Settings.StudentMax = true;
  TBeginBox box(Settings, 3);
  auto* memo = Child<QTextEdit>(box, "Memo1");
  EXPECT_EQ(memo->font().pixelSize(), 13);
  EXPECT_TRUE(memo->font().bold());
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("Good luck"));
  auto* count = Child<QSpinBox>(box, "CountBox");
  EXPECT_EQ(count->maximum(), 3);
  EXPECT_EQ(box.ChosenCount(), 0);
  count->setValue(2);
  EXPECT_EQ(box.ChosenCount(), 2);
  Settings.StudentMax = false;
  TBeginBox fixed(Settings, 3);
  EXPECT_EQ(fixed.findChild<QSpinBox*>(), nullptr);
}

TEST_F(EngineTest, OptionButtonsForOneCorrectLetterCheckBoxesForSeveral) {
  auto session = Started();
  TQuestionForm form(session, Services);
  form.show();
  EXPECT_TRUE(Child<QRadioButton>(form, "OptionA")->isVisible());
  EXPECT_FALSE(Child<QRadioButton>(form, "OptionD")->isVisible());  // empty answers are not shown
  EXPECT_FALSE(Child<QLabel>(form, "ChoiceLabel")->isVisible());
  Child<QRadioButton>(form, "OptionA")->click();
  form.NextButtonClick();
  EXPECT_TRUE(Child<QCheckBox>(form, "BoxB")->isVisible());
  EXPECT_FALSE(Child<QRadioButton>(form, "OptionB")->isVisible());
  EXPECT_EQ(Child<QLabel>(form, "ChoiceLabel")->text(), QStringLiteral("Choose 2 answers."));
  Child<QCheckBox>(form, "BoxB")->click();
  Child<QCheckBox>(form, "BoxC")->click();
  form.PreviousButtonClick();
  EXPECT_TRUE(Child<QRadioButton>(form, "OptionA")->isChecked());
  EXPECT_EQ(session.Answer(1), Scoring::LettersOf("BC"));
}

TEST_F(EngineTest, MustAnswerKeepsTheStudentOnTheQuestion) {
  Settings.MustAnswer = 1;
  auto session = Started();
  TQuestionForm form(session, Services);
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("Please answer this question before going on."));
  form.NextButtonClick();
  EXPECT_EQ(session.Current(), 0);
  Child<QRadioButton>(form, "OptionC")->click();
  form.NextButtonClick();
  EXPECT_EQ(session.Current(), 1);
}

TEST_F(EngineTest, CheckSaysRightOrWrongOnlyWhenOffered) {
  Settings.CheckAnswers = 1;
  auto session = Started();
  TQuestionForm form(session, Services);
  form.show();
  EXPECT_TRUE(Child<QPushButton>(form, "CheckButton")->isVisible());
  Child<QRadioButton>(form, "OptionB")->click();
  Dialogs.ExpectMessage(TMessageKind::Information, QStringLiteral("Wrong."));
  form.CheckButtonClick();
  Child<QRadioButton>(form, "OptionA")->click();
  Dialogs.ExpectMessage(TMessageKind::Information, QStringLiteral("Right!"));
  form.CheckButtonClick();
  Settings.CheckAnswers = 0;
  Settings.TestRef = false;
  auto quiet = Started();
  TQuestionForm plain(quiet, Services);
  plain.show();
  EXPECT_FALSE(Child<QPushButton>(plain, "CheckButton")->isVisible());
  EXPECT_FALSE(Child<QPushButton>(plain, "ReferenceButton")->isVisible());
}

TEST_F(EngineTest, TimeUpEndsTheTestAsItStands) {
  Settings.Time = "00:00:10";
  Settings.TimerType = 0;
  auto session = Started();
  TQuestionForm form(session, Services);
  form.show();
  EXPECT_EQ(Child<QLabel>(form, "RemainingLabel")->text(), QStringLiteral("Remaining: 00:00:10"));
  EXPECT_FALSE(Child<QWidget>(form, "RemainingBar")->isVisible());
  Child<QRadioButton>(form, "OptionA")->click();
  Clock.AdvanceSeconds(10);
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("Time is up. The test ends now and is scored as it stands."));
  form.Timer1Timer();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  const TRunResult result = session.Finish();
  EXPECT_TRUE(result.TimedOut);
  EXPECT_EQ(result.Right, 1);
}

TEST_F(EngineTest, ATestFileNeverStartsAProgram) {
  Questions[0].HotLink = "SETUP.EXE";
  auto session = Started();
  TQuestionForm form(session, Services);
  Dialogs.ExpectMessage(
      TMessageKind::Error,
      QStringLiteral("\"SETUP.EXE\" is a program. A test may not start programs, so it was not opened."));
  form.HotLinkButtonClick();
  EXPECT_TRUE(Shell.Calls.empty());
}

TEST_F(EngineTest, WholeRunScoresRecordsHistoryAndReviewsTheWrongOnes) {
  Settings.PassPoint = 50;
  Settings.EndMessage = {"Well done"};
  const QString path = WriteTest();
  TEngineForm engine(EngineSetup());
  Prompts.Answers = {QStringLiteral("Ann")};
  QStringList shown;
  engine.RunModal = [&](QDialog& dialog) {
    shown << dialog.objectName();
    if (auto* form = qobject_cast<TQuestionForm*>(&dialog)) {
      Child<QRadioButton>(*form, "OptionA")->click();  // right
      form->NextButtonClick();
      Child<QCheckBox>(*form, "BoxB")->click();  // only one of two: wrong
      Dialogs.ExpectMessage(
          TMessageKind::Confirmation,
          QStringLiteral("1 question(s) have no answer and will count as wrong.\rFinish the test now?"),
          TButton::Yes);
      form->FinishButtonClick();
    } else if (auto* end = qobject_cast<TEndForm*>(&dialog)) {
      EXPECT_EQ(Child<QLabel>(*end, "ScoreLabel")->text(), QStringLiteral("Score: 1 of 3 right (33%)"));
      EXPECT_EQ(Child<QLabel>(*end, "ResultLabel")->text(), QStringLiteral("Failed"));
      Child<QPushButton>(*end, "ReviewButton")->click();
    } else if (auto* review = qobject_cast<TReviewForm*>(&dialog)) {
      EXPECT_EQ(Child<QLabel>(*review, "YourLabel")->text(), QStringLiteral("Your answer: B"));
      review->NextButtonClick();
      EXPECT_EQ(Child<QLabel>(*review, "YourLabel")->text(), QStringLiteral("Your answer: (none)"));
    }
    return int(QDialog::Accepted);
  };
  engine.TakeTest(path);
  EXPECT_EQ(shown, (QStringList{"BeginBox", "QuestionForm", "EndForm", "ReviewForm"}));
  const auto history = History::Load(Dir.File("data/history.csv"));
  ASSERT_EQ(history.size(), 1u);
  EXPECT_EQ(history[0].Student, "Ann");
  EXPECT_EQ(history[0].Result, "Failed");
  EXPECT_EQ(history[0].Right, 1);
  engine.TakeTest(path);  // the name is asked once per run
  EXPECT_EQ(Prompts.Asked.size(), 1);
}

TEST_F(EngineTest, ATestWhoseNameIsNoUtf8IsTaken) {
  const std::string path = Dir.File("caf\xE9.QWT");
  std::filesystem::rename(ToPath(WriteTest()), path);
  TEngineForm engine(EngineSetup());
  Prompts.Answers = {QString()};
  QStringList shown;
  engine.RunModal = [&](QDialog& dialog) {
    shown << dialog.objectName();
    return int(QDialog::Rejected);
  };
  engine.TakeTest(FromPath(path));
  ASSERT_FALSE(shown.isEmpty());
  EXPECT_EQ(shown.first(), "BeginBox");
}

TEST_F(EngineTest, DamagedHistoryIsSetAsideAndTheScoreRecordedInANewOne) {
  const QString path = WriteTest();
  std::filesystem::create_directories(Dir.Path() / "data");
  WriteBytes(Dir.File("data/history.csv"), "garbage\r\n");
  TEngineForm engine(EngineSetup());
  Prompts.Answers = {QString()};
  bool endShown = false;
  engine.RunModal = [&](QDialog& dialog) {
    endShown |= qobject_cast<TEndForm*>(&dialog) != nullptr;
    return int(QDialog::Accepted);
  };
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      QStringLiteral("Your history file was damaged. It is kept as \"%1\", and a new history "
                     "was started with this test.")
          .arg(FromPath(Dir.File("data/history-damaged.csv"))));
  engine.TakeTest(path);
  EXPECT_TRUE(endShown);
  EXPECT_EQ(ReadBytes(Dir.File("data/history-damaged.csv")), "garbage\r\n");
  EXPECT_EQ(History::Load(Dir.File("data/history.csv")).size(), 1u);
}

TEST_F(EngineTest, PasswordsGuardTheExitAndTheHistory) {
  ClientConfig config;
  config.ExitPassword = "out";
  config.HistoryPassword = "look";
  SaveClientConfig(Dir.File("QWTEST.CFG"), config);
  TEngineForm engine(EngineSetup());
  QStringList shown;
  engine.RunModal = [&](QDialog& dialog) {
    shown << dialog.objectName();
    return int(QDialog::Accepted);
  };
  engine.show();
  Prompts.Answers = {QStringLiteral("wrong"), QStringLiteral("look")};
  Dialogs.ExpectMessage(TMessageKind::Error, QStringLiteral("Wrong password."));
  engine.History1Click();
  EXPECT_TRUE(shown.isEmpty());
  engine.History1Click();
  EXPECT_EQ(shown, QStringList{"HistoryForm"});

  Prompts.Answers = {QStringLiteral("nope"), std::nullopt, QStringLiteral("out")};
  Dialogs.ExpectMessage(TMessageKind::Error, QStringLiteral("Wrong password."));
  EXPECT_FALSE(engine.close());
  EXPECT_FALSE(engine.close());
  EXPECT_TRUE(engine.isVisible());
  EXPECT_TRUE(engine.close());
  EXPECT_EQ(Prompts.Asked.last(), QStringLiteral("Exit (secret)"));
}

TEST_F(EngineTest, HistoryExportsCsvNewestFirst) {
  std::vector<THistoryRecord> records{
      {"Ann", "2026-01-01 10:00:00", "/a.QWT", "A", 2, 1, 50, "", "00:01:00"},
      {"Bo", "2026-01-02 10:00:00", "/b.QWT", "B", 2, 2, 100, "", "00:01:00"}};
  THistoryForm form(records, Dialogs);
  Dialogs.ExpectSave(FromPath(Dir.File("out.csv")));
  form.ExportButtonClick();
  EXPECT_EQ(ReadBytes(Dir.File("out.csv")), History::ExportCsv(records));
}
