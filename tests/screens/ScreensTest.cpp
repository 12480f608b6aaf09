#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <memory>

#include "core/model/ClientConfig.h"
#include "core/model/TestCatalogue.h"
#include "core/run/History.h"
#include "core/run/TestSession.h"
#include "programs/Translation.h"
#include "support/ManualClock.h"
#include "support/WindowAudit.h"
#include "ui/engine/AboutBox.h"
#include "ui/engine/BeginBox.h"
#include "ui/engine/EndForm.h"
#include "ui/engine/EngineForm.h"
#include "ui/engine/HistoryForm.h"
#include "ui/engine/Prompts.h"
#include "ui/engine/QuestionForm.h"
#include "ui/engine/ReviewForm.h"
#include "ui/maker/AboutForm.h"
#include "ui/maker/CatalogueSearchForm.h"
#include "ui/maker/ClientForm.h"
#include "ui/maker/DuplicatesForm.h"
#include "ui/maker/EditorFixture.h"
#include "ui/maker/ExtraTimeForm.h"
#include "ui/maker/JumpForm.h"
#include "ui/maker/LossReportForm.h"
#include "ui/maker/MMediaForm.h"
#include "ui/maker/MainForm.h"
#include "ui/maker/NoteForm.h"
#include "ui/maker/QuestionListForm.h"
#include "ui/maker/SettingsForm.h"
#include "ui/platform/EngineServices.h"
#include "ui/platform/HelpWindow.h"
#include "ui/print/GradeForm.h"
#include "ui/print/PrintForm.h"
#include "ui/results/ResultsForm.h"
#include "ui/scan/ScanForm.h"

// Renders every window, over fixed data in one style and font, to a PNG named
// after its class in the folder QW_SCREENS_DIR names. Two such folders,
// made before and after a change, are compared with compare.sh. With
// QW_SCREENS_LANGUAGE (de, ar, ...) the windows speak that language, as a
// translator reads them.
namespace {

class Screens : public EditorFixture {
protected:
  void SetUp() override {
    Out = qEnvironmentVariable("QW_SCREENS_DIR");
    if (Out.isEmpty()) GTEST_SKIP() << "QW_SCREENS_DIR names no folder";
    QDir().mkpath(Out);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    static const bool translated = [] {
      const QString language = qEnvironmentVariable("QW_SCREENS_LANGUAGE");
      return !language.isEmpty() && !InstallTranslations(*qApp, {language}).isEmpty();
    }();
    if (!qEnvironmentVariableIsEmpty("QW_SCREENS_LANGUAGE")) {
      ASSERT_TRUE(translated) << "no such translation";
    }
  }

  void Shoot(QWidget& window, const char* name = nullptr) {
    window.show();
    QApplication::processEvents();
    if (!name) name = window.metaObject()->className();
    EXPECT_EQ(CutCaptions(window), QStringList{}) << name;
    EXPECT_TRUE(window.grab().save(Out + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")))
        << name;
    window.hide();
  }

  // A picture of one colour: an unfilled pixmap holds whatever memory held.
  static QPixmap Plain() {
    QPixmap picture(32, 32);
    picture.fill(Qt::darkBlue);
    return picture;
  }

  QString Out;
};

// The engine's window asks nothing until a test is taken.
struct TNoPrompts : TPrompts {
  std::optional<QString> AskText(const QString&, const QString&, bool) override { return std::nullopt; }
};

TEST_F(Screens, MakerWindows) {
  const std::string path = WriteTest(Questions(3), "TEST.QWT", "Plants");
  Globals.CurrentTestPath = FromPath(path);
  TAboutForm about(Globals, Plain());
  Shoot(about);
  TestCatalogue catalogue(Dir.Path().string());
  catalogue.Scan();
  TCatalogueSearchForm search(Globals, catalogue);
  Shoot(search);
  TDuplicatesForm duplicates(
      [path] {
        return std::vector<Duplicates::TTestQuestions>{{path, {Question("1"), Question("1")}}};
      },
      [](const std::string&, int) {});
  Shoot(duplicates);
  TExtraTimeForm extra(path, std::nullopt, Dialogs);
  Shoot(extra);
  TLossReportForm loss(QStringLiteral("Lost"), QStringList{"one", "two"});
  Shoot(loss);
  TMMediaForm media(Globals);
  Shoot(media);
  TNoteForm note(QStringLiteral("A note\nover two lines"));
  Shoot(note);
  TSettingsForm settings(Globals);
  Shoot(settings);
  TQAForm& editor = OpenEditor(path);
  TjumpForm jump(Globals, &editor, TJumpSteps{});
  Shoot(jump);
  Shoot(editor);
  TQuestionListForm list(*Set, {{12, 2, 0.75, 0.31, "2026-11-30 10:00:00", true}}, {}, &editor);
  Shoot(list);
  THelpTopicWindow help;
  help.ShowPage(THelpWindow::ContentsPage());
  Shoot(help, "THelpTopicWindow");
}

TEST_F(Screens, EngineWindows) {
  TManualClock clock;
  TestSettings settings;
  settings.BeginMessage = {"Good luck"};
  settings.PassPoint = 60;
  std::vector<QuestionRecord> questions{MakeQuestion("One", {"Alpha", "Beta", "Gamma"}, "A"),
                                        MakeQuestion("Two", {"Alpha", "Beta", "Gamma"}, "BC")};
  TEngineServices services{Dialogs, Shell, Folder()};
  TAboutBox about(ClientConfig{}, Plain(), services);
  Shoot(about);
  TBeginBox begin(settings, 2, 600);
  Shoot(begin);
  TTestSession session(settings, questions, clock);
  session.Start(0, 1);
  session.SetAnswer(0, Scoring::LettersOf("A"));
  {
    TQuestionForm question(session, services);
    Shoot(question);
  }
  const TRunResult result = session.Finish();
  TEndForm end(session, result);
  Shoot(end);
  TReviewForm review(session, services);
  Shoot(review);
  THistoryForm history({{"Ann", "2026-01-01 10:00:00", "/a.QWT", "A", 2, 1, 50, "Failed", "00:01:00"}},
                       Dialogs);
  Shoot(history);
}

TEST_F(Screens, MainWindows) {
  const std::string path = WriteTest(Questions(3), "TEST.QWT", "Plants");
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      QCoreApplication::translate("TMainForm",
                                  "This is the Instructor Test Maker.\rDo not distribute with Quizwell."));
  TMainForm maker(Folder(), Dialogs, Help, Shell);
  maker.show();
  ASSERT_TRUE(WaitUntil([this] { return Dialogs.AllUsed(); }));
  ASSERT_TRUE(WaitUntil([&maker] { return !Child<QTimer>(maker, "StartTimer")->isActive(); }));
  Shoot(maker);

  TManualClock clock;
  TNoPrompts prompts;
  TEngineForm engine(
      {Folder(), Folder() + QStringLiteral("/data/history.csv"), Dialogs, prompts, Shell, Help, clock});
  Shoot(engine);

  Globals.CurrentTestPath = FromPath(path);
  TClientForm client(Globals);
  Shoot(client);
  TResultsForm results(Globals, FromPath(path));
  Shoot(results);
}

TEST_F(Screens, PaperWindows) {
  const std::string path = WriteTest(Questions(3), "TEST.QWT", "Plants");
  TPrintForm print({PaperVersions::ReadPaperTest(path), FromPath(path), Dialogs});
  Child<QLineEdit>(print, "SeedEdit")->setText(QStringLiteral("77"));  // not a new one each run
  Shoot(print);
  TGradeForm grade({PaperVersions::ReadPaperTest(path), FromPath(path), Dialogs});
  Shoot(grade);
  TScanForm scan({PaperVersions::ReadPaperTest(path), FromPath(path), Dialogs});
  Shoot(scan);
}

}  // namespace
