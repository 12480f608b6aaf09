#include <httplib.h>

#include <QCloseEvent>
#include <QLabel>
#include <QTableWidget>
#include <memory>

#include "../maker/MakerFixture.h"
#include "classroom/ClassroomFixture.h"
#include "core/model/TestSettings.h"
#include "core/results/ResultsStore.h"
#include "core/storage/IniStore.h"
#include "support/Questions.h"
#include "support/WindowAudit.h"
#include "ui/classroom/ClassroomForm.h"
#include "ui/maker/MainForm.h"
#include "ui/platform/HelpViewer.h"

using ClassroomFixture::Field;

namespace {

// One browser in the room, talking to the window's server over loopback.
class TBrowser {
public:
  explicit TBrowser(int port) : Client("127.0.0.1", port) { Client.set_read_timeout(5); }

  // Joins the room as name (form-encoded) and begins; the reply's body.
  std::string JoinAndStart(const QString& room, const std::string& name) {
    Token = Field(Post("/api/join", "room=" + room.toStdString() + "&name=" + name).second, "token");
    return Post("/api/start", "").second;
  }
  // Answers the question on the screen with its key: "One" is A, "Two" is B.
  std::pair<int, std::string> AnswerRightly(const std::string& state) {
    const std::string letter = Field(state, "text") == "One" ? "A" : "B";
    return Post("/api/answer", "position=" + Field(state, "position") + "&letters=" + letter);
  }
  int State() {
    const auto result = Client.Get("/api/state", {{"Authorization", "Bearer " + Token}});
    return result ? result->status : 0;
  }
  std::pair<int, std::string> Post(const std::string& path, const std::string& body) {
    httplib::Headers headers;
    if (!Token.empty()) headers.emplace("Authorization", "Bearer " + Token);
    const auto result = Client.Post(path, headers, body, "application/x-www-form-urlencoded");
    return result ? std::pair{result->status, result->body} : std::pair{0, std::string()};
  }

  httplib::Client Client;
  std::string Token;
};

// A two-question test in the maker's folder made current, and the classroom
// window serving it on a free loopback port.
class ClassroomFormTest : public MakerFixture {
protected:
  void SetUp() override {
    const std::string path = Dir.File("CLASS.QWT");
    TIniStore store(path);
    TestSettings settings;
    settings.Description = "Class quiz";
    WriteTestSettings(store, settings);
    TestFile::WriteQuestion(store, 1, MakeQuestion("One", {"yes", "no"}, "A"));
    TestFile::WriteQuestion(store, 2, MakeQuestion("Two", {"yes", "no"}, "B"));
    store.UpdateFile();
    Globals.CurrentTestPath = FromPath(path);
    ASSERT_TRUE(Open(Form, 0));
    Browser = std::make_unique<TBrowser>(Form->Port());
  }

  bool Open(std::unique_ptr<TClassroomForm>& form, int port) {
    form = std::make_unique<TClassroomForm>(Globals, TClassroomPlace{"127.0.0.1", port});
    if (!form->Start()) return false;
    form->show();
    return true;
  }
  QString Cell(int row, int column) const {
    const QTableWidgetItem* item = Child<QTableWidget>(*Form, "StudentList")->item(row, column);
    return item ? item->text() : QString();
  }
  // Waits for the list to show text in row's progress column.
  bool ListShows(int row, const QString& text) {
    return WaitUntil([&] { return Cell(row, 1) == text; });
  }
  std::vector<TStoredAttempt> Stored() { return OpenResultsStore(Dir.Path().string()).Store->Attempts({}); }
  void ExpectStillAnsweringQuestion(const QString& question, TButton answer) {
    Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation,
                          QStringLiteral("1 student is still answering. ") + question +
                              QStringLiteral("\rTheir answers so far are scored and stored."),
                          answer);
  }

  bool OpenOnStart = true;
  std::unique_ptr<TClassroomForm> Form;
  std::unique_ptr<TBrowser> Browser;
};

class MakerClassroomTest : public ClassroomFormTest {
protected:
  MakerClassroomTest() { OpenOnStart = false; }
};

}  // namespace

TEST_F(ClassroomFormTest, StudentsJoiningOverHttpAreListedWithTheirScoresHiddenUntilShown) {
  const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(Form->Port());
  EXPECT_EQ(Form->Addresses(), QStringList{address});
  EXPECT_EQ(Child<QLabel>(*Form, "AddressLabel")->text(), address);
  EXPECT_TRUE(Child<QLabel>(*Form, "RoomCodeLabel")->text().endsWith(Form->RoomCode()));
  EXPECT_EQ(MnemonicClashes(*Form), QStringList());
  EXPECT_EQ(UnnamedControls(*Form), QStringList());

  // A name with markup in it is shown as the student typed it.
  std::string state = Browser->JoinAndStart(Form->RoomCode(), "%3Cb%3EAnn%3C%2Fb%3E+%26+%22Bo%22");
  ASSERT_EQ(Browser->AnswerRightly(state).first, 200);
  state = Browser->Post("/api/go", "position=1").second;
  ASSERT_TRUE(ListShows(0, QStringLiteral("question 2 of 2")));
  EXPECT_EQ(Cell(0, 0), QStringLiteral("<b>Ann</b> & \"Bo\""));
  ASSERT_EQ(Browser->AnswerRightly(state).first, 200);
  ASSERT_EQ(Browser->Post("/api/finish", "").first, 200);
  ASSERT_TRUE(ListShows(0, QStringLiteral("finished")));

  auto* list = Child<QTableWidget>(*Form, "StudentList");
  EXPECT_TRUE(list->isColumnHidden(2));
  EXPECT_EQ(Cell(0, 2), QString());
  Click(*Form, "ShowScoresButton");
  EXPECT_FALSE(list->isColumnHidden(2));
  EXPECT_EQ(Cell(0, 2), QStringLiteral("100%"));
  Click(*Form, "ShowScoresButton");
  EXPECT_TRUE(list->isColumnHidden(2));
  EXPECT_EQ(Cell(0, 2), QString());
}

TEST_F(ClassroomFormTest, EndTestAsksWithNoAsDefaultThenStoresRunningAttemptsAndStopsNewStarts) {
  const std::string state = Browser->JoinAndStart(Form->RoomCode(), "Ann");
  ASSERT_EQ(Browser->AnswerRightly(state).first, 200);
  TBrowser late(Form->Port());
  late.Token =
      Field(late.Post("/api/join", "room=" + Form->RoomCode().toStdString() + "&name=Bo").second, "token");
  ASSERT_TRUE(ListShows(0, QStringLiteral("question 1 of 2")));

  const QString question = QStringLiteral(
      "1 student is still answering. End the test for everyone?\rAnswers so far are scored and stored, and "
      "nobody can begin any more.");
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, question, TButton::No);
  Click(*Form, "EndTestButton");
  EXPECT_EQ(Cell(0, 1), QStringLiteral("question 1 of 2"));
  EXPECT_TRUE(Stored().empty());

  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, question, TButton::Yes);
  Click(*Form, "EndTestButton");
  EXPECT_EQ(Cell(0, 1), QStringLiteral("finished"));
  const auto stored = Stored();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].Student, "Ann");
  EXPECT_EQ(stored[0].Source, TAttemptSource::Classroom);
  EXPECT_EQ(stored[0].Right, 1);
  EXPECT_EQ(late.Post("/api/start", "").first, 409);
  EXPECT_EQ(Cell(1, 1), QStringLiteral("joined"));
  EXPECT_FALSE(Child<QPushButton>(*Form, "EndTestButton")->isEnabled());
  EXPECT_TRUE(Form->Serving());  // students still see their results
}

TEST_F(ClassroomFormTest, ClosingAsksWhileAStudentAnswersAndStoresTheAttemptWhenTold) {
  Browser->JoinAndStart(Form->RoomCode(), "Ann");
  ASSERT_TRUE(ListShows(0, QStringLiteral("question 1 of 2")));

  ExpectStillAnsweringQuestion(QStringLiteral("End their tests and close the classroom?"), TButton::No);
  EXPECT_FALSE(Form->close());
  EXPECT_TRUE(Form->Serving());
  EXPECT_EQ(Browser->State(), 200);

  ExpectStillAnsweringQuestion(QStringLiteral("End their tests and close the classroom?"), TButton::Yes);
  EXPECT_TRUE(Form->close());
  EXPECT_FALSE(Form->Serving());
  ASSERT_EQ(Stored().size(), 1u);
  EXPECT_EQ(Browser->State(), 0);  // nobody listens any more
}

TEST_F(ClassroomFormTest, EndSessionWithNobodyAnsweringStopsWithoutAsking) {
  PressF1(Form.get());
  EXPECT_EQ(Help.Calls, std::vector<int>{HelpContext::Classroom});
  Browser->JoinAndStart(Form->RoomCode(), "Ann");
  ASSERT_EQ(Browser->Post("/api/finish", "").first, 200);
  Click(*Form, "EndSessionButton");
  EXPECT_FALSE(Form->Serving());
  EXPECT_EQ(Cell(0, 1), QStringLiteral("finished"));
  EXPECT_TRUE(Form->close());  // nothing left to ask about
}

TEST_F(ClassroomFormTest, ATakenPortFallsBackToAFreeOneWithANote) {
  std::unique_ptr<TClassroomForm> second;
  ASSERT_TRUE(Open(second, Form->Port()));
  EXPECT_NE(second->Port(), Form->Port());
  EXPECT_EQ(Child<QLabel>(*second, "NoteLabel")->text(),
            QStringLiteral("Port %1 is in use by another program, so this session uses port %2.")
                .arg(Form->Port())
                .arg(second->Port()));
}

// The maker keeps the classroom open beside it, and asks before closing
// while the class answers.
TEST_F(MakerClassroomTest, TheMakerOpensTheClassroomOnceAndAsksBeforeClosingOnAClass) {
  TMainForm maker(Folder(), Dialogs, Help, Shell);
  maker.ClassroomPlace = {"127.0.0.1", 0};
  maker.Globals.CurrentTestPath = Globals.CurrentTestPath;
  Trigger(maker, "RunInClassroom1");
  Trigger(maker, "RunInClassroom1");  // the open window comes to the front
  const auto windows = maker.findChildren<TClassroomForm*>();
  ASSERT_EQ(windows.size(), 1);
  TClassroomForm* classroom = windows.front();
  ASSERT_TRUE(classroom->isVisible());
  TBrowser browser(classroom->Port());
  browser.JoinAndStart(classroom->RoomCode(), "Ann");
  ASSERT_TRUE(WaitUntil([&] { return classroom->Answering() == 1; }));

  ExpectStillAnsweringQuestion(QStringLiteral("End their tests and close the classroom?"), TButton::No);
  EXPECT_FALSE(maker.close());
  EXPECT_TRUE(classroom->Serving());
  ExpectStillAnsweringQuestion(QStringLiteral("End their tests and close the classroom?"), TButton::Yes);
  EXPECT_TRUE(maker.close());
  EXPECT_EQ(Stored().size(), 1u);
}
