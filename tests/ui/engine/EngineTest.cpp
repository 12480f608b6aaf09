#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTextEdit>
#include <deque>
#include <map>
#include <tuple>

#include "core/model/ClientConfig.h"
#include "core/model/TestFile.h"
#include "core/results/ResultsStore.h"
#include "core/run/ExtraTime.h"
#include "core/run/History.h"
#include "core/run/TestSession.h"
#include "core/storage/IniStore.h"
#include "support/FourScripts.h"
#include "support/ManualClock.h"
#include "support/PseudoLanguage.h"
#include "support/Questions.h"
#include "support/ScriptedDialogs.h"
#include "support/StoredQuestions.h"
#include "support/TempDir.h"
#include "support/UiKit.h"
#include "support/WindowAudit.h"
#include "ui/engine/AboutBox.h"
#include "ui/engine/BeginBox.h"
#include "ui/engine/EndForm.h"
#include "ui/engine/EngineForm.h"
#include "ui/engine/HistoryForm.h"
#include "ui/engine/Prompts.h"
#include "ui/engine/QuestionForm.h"
#include "ui/engine/ReviewForm.h"
#include "ui/platform/Artwork.h"
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
  QuestionRecord q = MakeQuestion(text, {"Alpha", "Beta", "Gamma"}, correct, any);
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
  TQtDialogs RealDialogs;  // real message boxes, for what only they do
  TEngineServices Real{RealDialogs, Shell, Services.Folder};

  QString WriteTest() {
    const std::string path = Dir.File("QUIZ.QWT");
    Settings.Description = "Quiz";
    ::WriteTest(path, Settings, Questions);
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
  Settings.PassPoint = 60;
  TBeginBox box(Settings, 3, 600);
  EXPECT_EQ(Child<QLabel>(box, "TimeLabel")->text(), "Time limit: 00:10:00 (hours:minutes:seconds)");
  EXPECT_EQ(Child<QLabel>(box, "PassLabel")->text(), "Pass mark: 60% of the questions right");
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
  Settings.PassPoint = 0;
  TBeginBox fixed(Settings, 3, 0);
  EXPECT_EQ(fixed.findChild<QSpinBox*>(), nullptr);
  EXPECT_EQ(Child<QLabel>(fixed, "TimeLabel")->text() + Child<QLabel>(fixed, "PassLabel")->text(),
            "Time limit: nonePass mark: none");
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
  EXPECT_EQ(Child<QLabel>(form, "ChoiceLabel")->text(), QStringLiteral("(choose all that apply)"));
  Child<QCheckBox>(form, "BoxB")->click();
  Child<QCheckBox>(form, "BoxC")->click();
  form.PreviousButtonClick();
  EXPECT_TRUE(Child<QRadioButton>(form, "OptionA")->isChecked());
  EXPECT_EQ(session.Answer(1), Scoring::LettersOf("BC"));
  // The hint is worded in the interface's language.
  const TPseudoLanguage language;
  form.NextButtonClick();
  EXPECT_EQ(Child<QLabel>(form, "ChoiceLabel")->text(),
            QStringLiteral("\u00AB(choose all that apply)\u00BB"));
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

TEST_F(EngineTest, CheckShowsTheVerdictBesideTheQuestionAndLocksTheAnswer) {
  Settings.CheckAnswers = 1;
  auto session = Started();
  TQuestionForm form(session, Services);  // a message box would fail: none is scripted
  form.show();
  auto* check = Child<QPushButton>(form, "CheckButton");
  EXPECT_FALSE(check->isEnabled());  // nothing chosen yet
  Child<QRadioButton>(form, "OptionB")->click();
  Click(check);
  EXPECT_EQ(Child<QLabel>(form, "VerdictLabel")->text(), "Wrong.");
  EXPECT_TRUE(Child<QRadioButton>(form, "OptionB")->text().endsWith("wrong"));
  EXPECT_TRUE(Child<QRadioButton>(form, "OptionA")->text().endsWith("correct answer"));
  EXPECT_EQ(Child<QLabel>(form, "ReferenceLabel")->text(), "Reference: Chapter 1");
  EXPECT_FALSE(check->isEnabled() || Child<QRadioButton>(form, "OptionA")->isEnabled());
  QTest::keyClick(&form, Qt::Key_A);  // nor do the keys change it
  form.NextButtonClick();
  form.PreviousButtonClick();
  EXPECT_EQ(Child<QLabel>(form, "VerdictLabel")->text(), "Wrong.");
  EXPECT_EQ(session.Answer(0), Scoring::LettersOf("B"));
  session.Finish();
  TReviewForm review(session, Services);
  review.show();
  EXPECT_TRUE(Child<QLabel>(review, "CheckedLabel")->isVisible());
}

TEST_F(EngineTest, EndingTheTestAlwaysAsksWithNoAsTheDefault) {
  auto session = Started();
  for (int i = 0; i < 3; ++i) session.SetAnswer(i, Scoring::LettersOf("A"));
  TQuestionForm form(session, Services);
  form.show();
  Dialogs.ExpectMessage(
      TMessageKind::RiskyConfirmation,
      "Every question has an answer.\rFinish the test now? No answer can be changed afterwards.",
      TButton::No);
  form.FinishButtonClick();
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, "End the test now? It is scored as it stands.",
                        TButton::No);
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_FALSE(session.IsFinished());
  TQuestionForm shown(session, Real);  // on a real box Enter says No
  auto answer = OnModal<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
  shown.FinishButtonClick();
  EXPECT_NE(shown.result(), QDialog::Accepted);
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
  form.Timer1Timer();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  const TRunResult result = session.Finish();
  EXPECT_TRUE(result.TimedOut);
  EXPECT_EQ(result.Right, 1);
}

TEST_F(EngineTest, TimeOutClosesTheBoxOpenOverTheQuestion) {
  Settings.Time = "00:00:10";
  auto session = Started();
  TQuestionForm form(session, Real);
  int width = 0;
  auto box = OnModal<QMessageBox>([&](QMessageBox& shown) {  // asked whether to finish, time runs out
    Clock.AdvanceSeconds(10);
    ASSERT_TRUE(WaitUntil([&] { return !shown.isVisible(); }, 2000)) << "the box stayed open";
  });
  form.FinishButtonClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(session.Finish().TimedOut);
  // A box of one word is still wide enough for a window manager to show its title whole.
  auto small = OnModal<QMessageBox>([&](QMessageBox& shown) { width = shown.width(); });
  RealDialogs.Inform("Saved.");
  EXPECT_GT(
      width,
      QFontMetrics(QApplication::font()).horizontalAdvance(QApplication::applicationDisplayName()) + 150);
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
          TMessageKind::RiskyConfirmation,
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

// A message names a file as its name is spelt, not its bytes read in the
// code page ("cafÃ©").
TEST_F(EngineTest, AMessageNamesAFileAsItIsSpelt) {
  const QString path = WriteTest();
  WriteBytes(Dir.File("café"), "a file where the history's folder would be");
  TEngineSetup setup = EngineSetup();
  setup.HistoryPath = FromPath(Dir.File("café/history.csv"));
  TEngineForm engine(setup);
  Prompts.Answers = {QString()};
  engine.RunModal = [](QDialog&) { return int(QDialog::Accepted); };
  Dialogs.ExpectMessage(TMessageKind::Error,
                        QStringLiteral("Your test was scored, but it could not be added to your history.\r"
                                       "Cannot make the folder \"%1\": Not a directory")
                            .arg(FromPath(Dir.File("café"))));
  engine.TakeTest(path);
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

TEST_F(EngineTest, PreviewIgnoresFullScreenAndThePasswords) {
  ClientConfig config;
  config.FullScreen = true;
  config.ExitPassword = config.HistoryPassword = "out";
  SaveClientConfig(Dir.File("QWTEST.CFG"), config);
  TEngineSetup setup = EngineSetup();
  setup.Preview = true;
  TEngineForm engine(setup);
  engine.RunModal = [](QDialog&) { return int(QDialog::Accepted); };
  engine.ShowAsConfigured();
  EXPECT_FALSE(engine.isFullScreen() || engine.windowFlags() & Qt::WindowStaysOnTopHint);
  engine.History1Click();  // the scripted prompts fail on a password asked
  EXPECT_TRUE(engine.close());
}

TEST_F(EngineTest, KeysChooseAnswersAndMoveOnButNotFromATextField) {
  auto session = Started();
  TQuestionForm form(session, Services);
  form.show();
  ASSERT_TRUE(WaitUntil([&] { return form.isActiveWindow(); }));
  for (Qt::Key key : {Qt::Key_B, Qt::Key_3, Qt::Key_Return, Qt::Key_B, Qt::Key_C, Qt::Key_B})
    QTest::keyClick(&form, key);  // a check box toggles
  EXPECT_EQ(session.Answer(0), Scoring::LettersOf("C"));
  EXPECT_EQ(session.Answer(1), Scoring::LettersOf("C"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // the focus is on B, the last chosen
  QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(session.Answer(1), Scoring::LettersOf("BC"));
  auto* field = new QLineEdit(&form);
  field->show();
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A);
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(session.Answer(1), Scoring::LettersOf("BC"));
  EXPECT_EQ(session.Current(), 1);
}

TEST_F(EngineTest, NoWindowOfTheEngineGivesOneMnemonicTwiceOrLeavesAControlUnnamed) {
  Settings.CheckAnswers = 1;
  for (QuestionRecord& question : Questions) {
    question.AnswerD = question.AnswerE = question.AnswerF = "More";
    question.HotLink = "https://example.org";
    question.MediaFile = "clip.wav";
  }
  auto session = Started();
  TQuestionForm form(session, Services);
  form.show();
  EXPECT_EQ(MnemonicClashes(form), QStringList());
  EXPECT_EQ(UnnamedControls(form), QStringList());
  form.NextButtonClick();  // check boxes
  EXPECT_EQ(MnemonicClashes(form), QStringList());
  EXPECT_EQ(UnnamedControls(form), QStringList());
  TEngineForm engine(EngineSetup());
  TEndForm end(session, session.Finish());
  TReviewForm review(session, Services);
  TAboutBox about(ClientConfig{}, QPixmap(), Services);
  for (QWidget* window : std::initializer_list<QWidget*>{&engine, &end, &review, &about}) {
    EXPECT_EQ(MnemonicClashes(*window), QStringList()) << window->objectName().toStdString();
    EXPECT_EQ(UnnamedControls(*window), QStringList()) << window->objectName().toStdString();
  }
}

TEST_F(EngineTest, WindowsOpenCentredWithTheEnginesOwnLogoAndStudentHelp) {
  TEngineForm engine(EngineSetup());
  auto session = Started();
  TQuestionForm form(session, Services);
  const QPoint centre = engine.screen()->availableGeometry().center();
  EXPECT_LE((engine.geometry().center() - centre).manhattanLength() +
                (form.geometry().center() - centre).manhattanLength(),
            4);
  EXPECT_EQ(EngineLogo(ClientConfig{}, Services.Folder).toImage(), PaintBuiltInLogo().toImage());
  Trigger(engine, "Contents1");
  engine.RunModal = [&](QDialog& dialog) {
    dialog.show();
    PressF1(&dialog);
    return int(QDialog::Accepted);
  };
  engine.About1Click();
  EXPECT_EQ(Help.Calls, (std::vector<int>{HelpContext::Student, HelpContext::Student}));
}

TEST_F(EngineTest, AnAddressNoBrowserTakesIsGivenToCopy) {
  Shell.Results = {TOpenResult::NotStarted};
  Dialogs.ExpectMessage(TMessageKind::Error,
                        "No web browser could be opened for this page. To read it, copy its address into a "
                        "browser:\rfile:///opt/help/web/home%20page.html");
  EXPECT_FALSE(OpenInBrowser(Shell, Dialogs, "/opt/help/web/home page.html"));
}

// A student on the list beside the test gets the factor's time, is told so,
// and the begin box shows it; anyone else gets the test's own time.
TEST_F(EngineTest, TheListedStudentIsGivenAndShownTheLongerTime) {
  Settings.Time = "00:30:00";
  const QString path = WriteTest();
  ExtraTime::Save(ToPath(path), ExtraTime::Parse("ann  lee=1.25\n"));
  const auto timeShown = [&](const QString& student) {
    TEngineForm engine(EngineSetup());
    Prompts.Answers = {student};
    QString shown;
    engine.RunModal = [&](QDialog& dialog) {
      shown = Child<QLabel>(dialog, "TimeLabel")->text();
      return int(QDialog::Rejected);
    };
    engine.TakeTest(path);
    return shown;
  };
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("You have extra time for this test: 00:37:30 instead of 00:30:00."));
  EXPECT_EQ(timeShown(QStringLiteral(" Ann Lee")),
            QStringLiteral("Time limit: 00:37:30 (hours:minutes:seconds)"));
  EXPECT_EQ(timeShown(QStringLiteral("Bo")), QStringLiteral("Time limit: 00:30:00 (hours:minutes:seconds)"));
  EXPECT_TRUE(Dialogs.AllUsed());
}

// Where the teacher keeps results (a store beside the test, or a results
// folder), the student number and class are asked with the name, may stay
// empty, and go with the attempt; cancelling either starts no test.
TEST_F(EngineTest, WhereResultsAreKeptTheNumberAndClassAreAskedAndStored) {
  const QString path = WriteTest();
  int begun = 0;
  const auto take = [&](std::deque<std::optional<QString>> answers) {
    TEngineForm engine(EngineSetup());
    Prompts.Answers = std::move(answers);
    engine.RunModal = [&](QDialog& dialog) {
      begun += qobject_cast<TBeginBox*>(&dialog) != nullptr;
      return int(QDialog::Accepted);
    };
    engine.TakeTest(path);
  };
  take({QStringLiteral("Ann")});  // no store yet and no results folder: the name alone
  take({QStringLiteral("Bo"), QStringLiteral("12"), std::nullopt});
  take({QStringLiteral("王小明"), QStringLiteral(" 1234 "), QStringLiteral(" 7β ")});
  EXPECT_EQ(Prompts.Asked, (QStringList{"Student Name", "Student Name", "Student Number", "Class",
                                        "Student Name", "Student Number", "Class"}));
  EXPECT_EQ(begun, 2);
  const auto attempts =
      OpenResultsStore(Dir.Path().string(), Dir.File("data")).Store->Attempts(TResultsFilter{});
  ASSERT_EQ(attempts.size(), 2u);
  EXPECT_EQ(std::tie(attempts[0].Student, attempts[0].StudentNumber, attempts[0].Class),
            std::make_tuple("Ann", "", ""));
  EXPECT_EQ(std::tie(attempts[1].Student, attempts[1].StudentNumber, attempts[1].Class),
            std::make_tuple("王小明", "1234", "7β"));
  EXPECT_EQ(History::Load(Dir.File("data/history.csv")).back().Student, "王小明");
}

TEST_F(EngineTest, EveryWindowOfARunShowsItsTextsInTheInterfacesLanguage) {
  Settings.PassPoint = 50;
  Settings.StudentMax = true;
  Settings.CheckAnswers = 1;
  Settings.Time = "00:10:00";
  const QString path = WriteTest();
  const TPseudoLanguage language;
  TEngineForm engine(EngineSetup());
  EXPECT_EQ(UntranslatedTexts(engine), QStringList());
  // The test's own texts are the teacher's, in the test's language.
  const QStringList data = {
      "Quiz", "One", "Two", "&A.  Alpha", "&B.  Beta", "&C.  Gamma", "A.  Alpha\nB.  Beta\nC.  Gamma"};
  Prompts.Answers = {QStringLiteral("Ann")};
  QStringList shown;
  engine.RunModal = [&](QDialog& dialog) {
    shown << dialog.objectName();
    EXPECT_EQ(UntranslatedTexts(dialog, data), QStringList()) << dialog.objectName().toStdString();
    if (auto* form = qobject_cast<TQuestionForm*>(&dialog)) {
      Child<QRadioButton>(*form, "OptionB")->click();
      form->CheckButtonClick();
      EXPECT_EQ(UntranslatedTexts(dialog, data), QStringList()) << "checked";
      // A count in a translated sentence is still filled in.
      Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation,
                            QStringLiteral("\u00AB2 question(s) have no answer and will count as "
                                           "wrong.\rFinish the test now?\u00BB"),
                            TButton::Yes);
      form->FinishButtonClick();
    } else if (auto* end = qobject_cast<TEndForm*>(&dialog)) {
      Child<QPushButton>(*end, "ReviewButton")->click();
    }
    return int(QDialog::Accepted);
  };
  engine.TakeTest(path);
  EXPECT_EQ(shown, (QStringList{"BeginBox", "QuestionForm", "EndForm", "ReviewForm"}));
  THistoryForm history(History::Load(Dir.File("data/history.csv")), Dialogs);
  TAboutBox about(ClientConfig{}, QPixmap(), Services);
  EXPECT_EQ(UntranslatedTexts(history), QStringList());
  EXPECT_EQ(UntranslatedTexts(about), QStringList());
}

// A test in four scripts is shown and recorded character for character, the
// Arabic question from the right.
TEST_F(EngineTest, FourScriptsAreShownAndRecordedExactly) {
  Settings = FourScripts::Settings();
  Questions = FourScripts::Questions();
  const std::string path = Dir.File("SCRIPTS.QWT");
  ::WriteTest(path, Settings, Questions);
  const auto& scripts = FourScripts::Scripts();
  const QString student = QString::fromStdString(FourScripts::Students()[1]);
  TEngineForm engine(EngineSetup());
  Prompts.Answers = {student};
  const auto lines = [](const std::vector<std::string>& message) {
    QStringList joined;
    for (const std::string& line : message) joined << QString::fromStdString(line);
    return joined.join(QLatin1Char('\n'));
  };
  QStringList shown;
  engine.RunModal = [&](QDialog& dialog) {
    shown << dialog.objectName();
    if (qobject_cast<TBeginBox*>(&dialog)) {
      EXPECT_EQ(Child<QTextEdit>(dialog, "Memo1")->toPlainText(), lines(Settings.BeginMessage));
    } else if (auto* form = qobject_cast<TQuestionForm*>(&dialog)) {
      for (std::size_t i = 0; i < scripts.size(); ++i) {
        if (i > 0) form->NextButtonClick();
        auto* question = Child<QLabel>(*form, "QuestionLabel");
        EXPECT_EQ(question->text().toStdString(), scripts[i].Question);
        EXPECT_EQ(question->layoutDirection(),
                  scripts[i].Name == std::string("Arabic") ? Qt::RightToLeft : Qt::LeftToRight)
            << scripts[i].Name;
        for (int a = 0; a < 3; ++a) {
          auto* option = Child<QRadioButton>(*form, ("Option" + std::string(1, char('A' + a))).c_str());
          EXPECT_EQ(option->text().toStdString(),
                    std::string("&") + char('A' + a) + ".  " + scripts[i].Answers[a]);
          EXPECT_EQ(option->layoutDirection(), question->layoutDirection());
        }
        // Greek and Chinese right, Polish and Arabic answered A: wrong.
        Child<QRadioButton>(*form, "OptionA")->click();
      }
      Dialogs.ExpectMessage(
          TMessageKind::RiskyConfirmation,
          "Every question has an answer.\rFinish the test now? No answer can be changed afterwards.",
          TButton::Yes);
      form->FinishButtonClick();
    } else if (auto* end = qobject_cast<TEndForm*>(&dialog)) {
      EXPECT_EQ(Child<QLabel>(*end, "EndMessageLabel")->text(), lines(Settings.EndMessage));
      EXPECT_EQ(Child<QLabel>(*end, "ScoreLabel")->text(), QStringLiteral("Score: 2 of 4 right (50%)"));
    }
    return int(QDialog::Accepted);
  };
  engine.TakeTest(FromPath(path));
  EXPECT_EQ(shown, (QStringList{"BeginBox", "QuestionForm", "EndForm"}));

  TOpenedStore opened = OpenResultsStore(Dir.Path().string(), Dir.File("data"));
  const auto attempts = opened.Store->Attempts({.WithAnswers = true});
  ASSERT_EQ(attempts.size(), 1u);
  EXPECT_EQ(attempts[0].Student, FourScripts::Students()[1]);
  EXPECT_EQ(attempts[0].Description, Settings.Description);
  EXPECT_EQ(attempts[0].Right, 2);
  EXPECT_EQ(StoredQuestions(*opened.Store), AsSnapshots(FourScripts::Questions()));
}
