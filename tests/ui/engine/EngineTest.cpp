#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
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

#include "core/model/ClientConfig.h"
#include "core/model/TestFile.h"
#include "core/run/History.h"
#include "core/run/TestSession.h"
#include "core/storage/IniStore.h"
#include "support/ManualClock.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/UiKit.h"
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
  Settings.PassPoint = 60;
  TBeginBox box(Settings, 3, 600);
  EXPECT_EQ(Child<QLabel>(box, "TimeLabel")->text(),
            QStringLiteral("Time limit: 00:10:00 (hours:minutes:seconds)"));
  EXPECT_EQ(Child<QLabel>(box, "PassLabel")->text(), QStringLiteral("Pass mark: 60% of the questions right"));
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
  EXPECT_EQ(Child<QLabel>(fixed, "TimeLabel")->text(), QStringLiteral("Time limit: none"));
  EXPECT_EQ(Child<QLabel>(fixed, "PassLabel")->text(), QStringLiteral("Pass mark: none"));
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

TEST_F(EngineTest, CheckShowsTheVerdictBesideTheQuestionAndLocksTheAnswer) {
  Settings.CheckAnswers = 1;
  auto session = Started();
  TQuestionForm form(session, Services);
  form.show();
  auto* check = Child<QPushButton>(form, "CheckButton");
  EXPECT_TRUE(check->isVisible());
  EXPECT_FALSE(check->isEnabled());  // nothing chosen yet
  Child<QRadioButton>(form, "OptionB")->click();
  Click(check);  // no message box: the scripted dialogs fail the test on one
  EXPECT_EQ(Child<QLabel>(form, "VerdictLabel")->text(), QStringLiteral("Wrong."));
  EXPECT_TRUE(Child<QRadioButton>(form, "OptionB")->text().endsWith(QStringLiteral("wrong")));
  EXPECT_TRUE(Child<QRadioButton>(form, "OptionA")->text().endsWith(QStringLiteral("correct answer")));
  EXPECT_EQ(Child<QLabel>(form, "ReferenceLabel")->text(), QStringLiteral("Reference: Chapter 1"));
  EXPECT_FALSE(Child<QRadioButton>(form, "OptionA")->isEnabled());
  EXPECT_FALSE(check->isEnabled());
  QTest::keyClick(&form, Qt::Key_A);  // the keys cannot change it either
  form.NextButtonClick();
  form.PreviousButtonClick();  // the verdict stays with the question
  EXPECT_EQ(Child<QLabel>(form, "VerdictLabel")->text(), QStringLiteral("Wrong."));
  EXPECT_EQ(session.Answer(0), Scoring::LettersOf("B"));

  Settings.CheckAnswers = 0;
  Settings.TestRef = false;
  auto quiet = Started();
  TQuestionForm plain(quiet, Services);
  plain.show();
  EXPECT_FALSE(Child<QPushButton>(plain, "CheckButton")->isVisible());
  EXPECT_FALSE(Child<QPushButton>(plain, "ReferenceButton")->isVisible());
}

TEST_F(EngineTest, ReviewSaysWhichAnswersWereChecked) {
  Settings.CheckAnswers = 1;
  auto session = Started();
  session.SetAnswer(0, Scoring::LettersOf("B"));
  ASSERT_TRUE(session.Check(0).has_value());
  session.SetAnswer(1, Scoring::LettersOf("B"));
  session.Finish();
  TReviewForm review(session, Services);
  review.show();
  EXPECT_TRUE(Child<QLabel>(review, "CheckedLabel")->isVisible());
  review.NextButtonClick();
  EXPECT_FALSE(Child<QLabel>(review, "CheckedLabel")->isVisible());
}

TEST_F(EngineTest, EndingTheTestAlwaysAsksWithNoAsTheDefault) {
  auto session = Started();
  TQuestionForm form(session, Services);
  for (const char* letter : {"OptionA", "BoxB", "OptionC"}) {
    Child<QAbstractButton>(form, letter)->click();
    form.NextButtonClick();
  }
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation,
                        QStringLiteral("Every question has an answer.\rFinish the test now? No answer can be "
                                       "changed afterwards."),
                        TButton::No);
  form.FinishButtonClick();
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation,
                        QStringLiteral("End the test now? It is scored as it stands."), TButton::No);
  form.show();
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_FALSE(session.IsFinished());

  // On the real box Enter takes the default, No, and the test goes on.
  TQtDialogs real;
  TEngineServices services{real, Shell, Services.Folder};
  TQuestionForm shown(session, services);
  shown.show();
  bool defaultNo = false;
  auto answer = OnModal<QMessageBox>([&](QMessageBox& box) {
    defaultNo = box.defaultButton() == box.button(QMessageBox::No);
    QTest::keyClick(&box, Qt::Key_Return);
  });
  shown.FinishButtonClick();
  EXPECT_TRUE(defaultNo);
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
  TQtDialogs real;
  TEngineServices services{real, Shell, Services.Folder};
  TQuestionForm form(session, services);
  form.show();
  int boxWidth = 0;
  QString title;
  // The time runs out while the student is asked whether to finish.
  auto box = OnModal<QMessageBox>([&](QMessageBox& shown) {
    boxWidth = shown.width();
    title = shown.windowTitle();
    Clock.AdvanceSeconds(10);
    ASSERT_TRUE(WaitUntil([&] { return !shown.isVisible(); }, 2000)) << "the box stayed open";
  });
  form.FinishButtonClick();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(form.EndedByTime());
  EXPECT_TRUE(session.Finish().TimedOut);
  // A box of a few words too is wide enough that a window manager need not shorten its title.
  auto shortBox = OnModal<QMessageBox>([&](QMessageBox& shown) { boxWidth = shown.width(); });
  real.Inform(QStringLiteral("Saved."));
  EXPECT_GT(boxWidth, QFontMetrics(QApplication::font()).horizontalAdvance(title) + 150);
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

TEST_F(EngineTest, DamagedHistoryIsReportedAndTheScoreStillShown) {
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
      TMessageKind::Error,
      QStringLiteral("Your test was scored, but it could not be added to your history.\rThe "
                     "history file \"%1\" is damaged (line 1: not a history header).")
          .arg(FromPath(Dir.File("data/history.csv"))));
  engine.TakeTest(path);
  EXPECT_TRUE(endShown);
  EXPECT_EQ(ReadBytes(Dir.File("data/history.csv")), "garbage\r\n");
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
  config.ExitPassword = "out";
  config.HistoryPassword = "look";
  SaveClientConfig(Dir.File("QWTEST.CFG"), config);
  TEngineSetup setup = EngineSetup();
  setup.Preview = true;
  TEngineForm engine(setup);
  engine.RunModal = [](QDialog&) { return int(QDialog::Accepted); };
  engine.ShowAsConfigured();
  EXPECT_FALSE(engine.isFullScreen());
  EXPECT_FALSE(engine.windowFlags() & Qt::WindowStaysOnTopHint);
  engine.History1Click();  // no password asked: the scripted prompts would fail
  EXPECT_TRUE(engine.close());
  EXPECT_TRUE(Prompts.Asked.isEmpty());
}

TEST_F(EngineTest, KeysChooseAnswersAndMoveOnButNotFromATextField) {
  auto session = Started();
  TQuestionForm form(session, Services);
  form.show();
  ASSERT_TRUE(WaitUntil([&] { return form.isActiveWindow(); }));
  QTest::keyClick(&form, Qt::Key_B);
  EXPECT_EQ(session.Answer(0), Scoring::LettersOf("B"));
  QTest::keyClick(&form, Qt::Key_3);
  EXPECT_EQ(session.Answer(0), Scoring::LettersOf("C"));
  QTest::keyClick(&form, Qt::Key_Return);
  EXPECT_EQ(session.Current(), 1);
  QTest::keyClick(&form, Qt::Key_B);
  QTest::keyClick(&form, Qt::Key_C);
  QTest::keyClick(&form, Qt::Key_B);  // a check box toggles
  EXPECT_EQ(session.Answer(1), Scoring::LettersOf("C"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // the focus is on B
  EXPECT_EQ(session.Answer(1), Scoring::LettersOf("BC"));
  QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier);  // not a plain letter
  EXPECT_EQ(session.Answer(1), Scoring::LettersOf("BC"));

  auto* field = new QLineEdit(&form);  // a text field takes its keys itself
  field->show();
  field->setFocus();
  ASSERT_TRUE(WaitUntil([&] { return field->hasFocus(); }));
  QTest::keyClick(field, Qt::Key_A);
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(session.Answer(1), Scoring::LettersOf("BC"));
  EXPECT_EQ(session.Current(), 1);
  EXPECT_EQ(field->text(), QStringLiteral("a"));
}

namespace {
// The mnemonic letters of the controls shown in window and of its menu bar,
// and the controls that share one.
QStringList MnemonicClashes(QWidget& window) {
  std::map<QChar, QStringList> owners;
  const auto note = [&](const QString& text, const QString& who) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
      if (text[i] != QLatin1Char('&')) continue;
      if (text[i + 1] != QLatin1Char('&')) owners[text[i + 1].toUpper()] << who;
      ++i;
    }
  };
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (!button->isHidden()) note(button->text(), button->objectName());
  for (QLabel* label : window.findChildren<QLabel*>())
    if (label->buddy() && !label->isHidden()) note(label->text(), label->objectName());
  if (auto* main = qobject_cast<QMainWindow*>(&window))
    for (QAction* menu : main->menuBar()->actions()) note(menu->text(), menu->text());
  QStringList clashes;
  for (const auto& [letter, who] : owners)
    if (who.size() > 1) clashes << QString(letter) + QStringLiteral(": ") + who.join(QStringLiteral(", "));
  return clashes;
}
}  // namespace

TEST_F(EngineTest, NoWindowOfTheEngineGivesOneMnemonicTwice) {
  Settings.CheckAnswers = 1;
  Settings.StudentMax = true;
  for (QuestionRecord& question : Questions) {
    question.AnswerD = "Delta";
    question.AnswerE = "Epsilon";
    question.AnswerF = "Phi";
    question.HotLink = "https://example.org";
    question.MediaFile = "clip.wav";
  }
  Settings.Time = "00:05:00";
  auto session = Started();
  TQuestionForm form(session, Services);
  form.show();
  TEngineForm engine(EngineSetup());
  const ClientConfig config;
  TBeginBox begin(Settings, 3, 300);
  for (int position = 0; position < 2; ++position) {  // option buttons, then check boxes
    EXPECT_EQ(MnemonicClashes(form), QStringList()) << "question " << position + 1;
    form.NextButtonClick();
  }
  session.Finish();
  TEndForm end(session, session.Finish());
  TReviewForm review(session, Services);
  THistoryForm history({}, Dialogs);
  TAboutBox about(config, QPixmap(), Services);
  for (QWidget* window :
       {static_cast<QWidget*>(&engine), static_cast<QWidget*>(&begin), static_cast<QWidget*>(&end),
        static_cast<QWidget*>(&review), static_cast<QWidget*>(&history), static_cast<QWidget*>(&about)})
    EXPECT_EQ(MnemonicClashes(*window), QStringList()) << window->objectName().toStdString();
}

TEST_F(EngineTest, WindowsOpenCentredWithTheEnginesOwnLogoAndStudentHelp) {
  TEngineForm engine(EngineSetup());
  const QRect screen = engine.screen()->availableGeometry();
  EXPECT_LE((engine.geometry().center() - screen.center()).manhattanLength(), 2);
  auto session = Started();
  TQuestionForm form(session, Services);
  EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 2);

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

TEST_F(EngineTest, AWebAddressNoBrowserTakesIsGivenToCopy) {
  ClientConfig config;
  config.CustomAbout = true;
  config.AboutUrl = "https://example.org/course";
  TAboutBox about(config, QPixmap(), Services);
  Shell.Results = {0};
  Dialogs.ExpectMessage(TMessageKind::Error,
                        QStringLiteral("No web browser could be opened for this page. To read it, copy its "
                                       "address into a browser:\rhttps://example.org/course"));
  emit Child<QLabel>(about, "AboutUrl")->linkActivated(QStringLiteral("https://example.org/course"));
  ASSERT_EQ(Shell.Calls.size(), 1u);
  EXPECT_EQ(Shell.Calls[0].FileName, QStringLiteral("https://example.org/course"));
  // A bundled page is given as the address a browser takes.
  Shell.Results = {0};
  Dialogs.ExpectMessage(TMessageKind::Error,
                        QStringLiteral("No web browser could be opened for this page. To read it, copy its "
                                       "address into a browser:\rfile:///opt/help/web/home%20page.html"));
  EXPECT_FALSE(OpenInBrowser(Shell, Dialogs, QStringLiteral("/opt/help/web/home page.html")));
  EXPECT_TRUE(OpenInBrowser(Shell, Dialogs, QStringLiteral("https://example.org")));
}
