#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/model/QuestionSet.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"
#include "support/Questions.h"
#include "support/TempDir.h"

namespace {

using TKeys = std::vector<std::pair<std::string, std::string>>;

// A section as a file holds it, every value enciphered.
std::string Section(const std::string& name, const TKeys& plainValues) {
  std::string text = "[" + name + "]\r\n";
  for (const auto& [key, plain] : plainValues) text += key + "=" + Encrypt(plain) + "\r\n";
  return text + "\r\n";
}

std::string QuestionSections(int first, int last) {
  std::string text;
  for (int n = first; n <= last; ++n)
    text += Section("QA" + std::to_string(n), {{"QUESTION", "Question " + std::to_string(n)}});
  return text;
}

// The sections of a file in order, each with its raw key=value lines.
struct TRawSection {
  std::string Name;
  TKeys Lines;
};

std::vector<TRawSection> ParseFile(const std::string& bytes) {
  std::vector<TRawSection> sections;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = bytes.substr(start, end - start);
    start = end + 2;
    if (line.empty()) continue;
    if (line.front() == '[') {
      sections.push_back({line.substr(1, line.size() - 2), {}});
    } else {
      const size_t equals = line.find('=');
      sections.back().Lines.emplace_back(line.substr(0, equals),
                                         equals == std::string::npos ? "" : line.substr(equals + 1));
    }
  }
  return sections;
}

const TRawSection* FindSection(const std::vector<TRawSection>& sections, const std::string& name) {
  for (const TRawSection& section : sections)
    if (section.Name == name) return &section;
  return nullptr;
}

QuestionRecord Filled(const std::string& tag) {
  QuestionRecord record;
  record.Question = "Question " + tag + "\r\nsecond line";
  for (int i = 0; i < QuestionSet::AnswerCount; ++i)
    record.Answer(i) = "Answer " + std::string(1, 'A' + i) + tag;
  record.HotLink = "http://example.org/" + tag;
  record.HotLinkParameters = "-p " + tag;
  record.MediaFile = "\\MEDIA\\" + tag + ".WAV";
  record.Correct = "AC";
  record.Reference = "Page " + tag;
  record.AnyCorrectPasses = true;
  record.MMediaInternal = true;
  return record;
}

// Questions 1..count, each with only its text.
void FillQuestions(QuestionSet& set, int count) {
  for (int n = 1; n <= count; ++n) set.Slot(n).Question = "Question " + std::to_string(n);
  set.QuestionCount = count;
}

class QuestionSetTest : public ::testing::Test {
protected:
  TTempDir Dir;
  std::string Path = Dir.File("TEST.QWT");
  std::unique_ptr<QuestionSet> Set = std::make_unique<QuestionSet>();
};

// Loading

TEST_F(QuestionSetTest, LoadReadsEveryKeyExactlyAsStored) {
  WriteBytes(Path, Section("SETTINGS", {{"DESC", " \t Chapter 2 review\r\n"}}) +
                       Section("QA1", {{"QUESTION", "Line one\r\nLine two\r\n"},
                                       {"A", "  padded  "},
                                       {"B", "b1\r\nb2"},
                                       {"C", ""},
                                       {"D", "d"},
                                       {"E", "e"},
                                       {"F", "f"},
                                       {"CORRECT", "BDB"},
                                       {"ANY", "1"},
                                       {"HOTLINK", "http://x"},
                                       {"HOTLINKPARAMETERS", "-q"},
                                       {"REFERENCE", "Book p. 4"},
                                       {"MMEDIA", "FACTVAULT:printer drivers"},
                                       {"MMEDIAIN", "1"}}));
  Set->LoadQuestions(Path);

  EXPECT_EQ(Set->TestDescription, "Chapter 2 review");
  EXPECT_EQ(Set->QuestionCount, 1);
  const QuestionRecord& q = Set->Slot(1);
  EXPECT_EQ(q.Question, "Line one\r\nLine two\r\n");
  EXPECT_EQ(q.AnswerA, "  padded  ");
  EXPECT_EQ(q.AnswerB, "b1\r\nb2");
  EXPECT_EQ(q.AnswerC, "");
  EXPECT_EQ(q.AnswerF, "f");
  EXPECT_EQ(q.Correct, "BDB");
  EXPECT_TRUE(q.AnyCorrectPasses);
  EXPECT_EQ(q.HotLink, "http://x");
  EXPECT_EQ(q.HotLinkParameters, "-q");
  EXPECT_EQ(q.Reference, "Book p. 4");
  EXPECT_EQ(q.MediaFile, "FACTVAULT:printer drivers");
  EXPECT_TRUE(q.MMediaInternal);
}

TEST_F(QuestionSetTest, LoadTakesOnlyAPlainOneAsTrue) {
  WriteBytes(Path, Section("QA1", {{"QUESTION", "q1"}, {"ANY", " 1"}, {"MMEDIAIN", "true"}}) +
                       Section("QA2", {{"QUESTION", "q2"}, {"ANY", "true"}, {"MMEDIAIN", "1 "}}) +
                       Section("QA3", {{"QUESTION", "q3"}}));
  Set->LoadQuestions(Path);
  ASSERT_EQ(Set->QuestionCount, 3);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_FALSE(Set->Slot(n).AnyCorrectPasses) << n;
    EXPECT_FALSE(Set->Slot(n).MMediaInternal) << n;
  }
}

TEST_F(QuestionSetTest, LoadKeepsExactly500QuestionsAndIgnoresA501st) {
  WriteBytes(Path, QuestionSections(1, 501));
  Set->LoadQuestions(Path);
  EXPECT_EQ(Set->QuestionCount, 500);
  EXPECT_EQ(Set->Slot(500).Question, "Question 500");
  EXPECT_EQ(Set->CurrentIndex, 1);
  EXPECT_EQ(Set->Caption(), " - Question 1 of 500");
}

TEST_F(QuestionSetTest, LoadShowsEverySectionHoldingTextAndClosesGaps) {
  // QA3 has answers but no QUESTION: it is shown, and so is everything after it.
  WriteBytes(Path, QuestionSections(1, 2) + Section("QA3", {{"A", "orphan"}, {"CORRECT", "A"}}) +
                       QuestionSections(4, 6));
  EXPECT_FALSE(Set->LoadQuestions(Path));
  EXPECT_EQ(Set->QuestionCount, 6);
  EXPECT_EQ(Set->Slot(3).AnswerA, "orphan");
  EXPECT_EQ(Set->UntitledQuestions(), std::vector<int>{3});

  // A gap in the numbering is closed, and the caller is told.
  WriteBytes(Path, QuestionSections(1, 2) + QuestionSections(4, 4));
  EXPECT_TRUE(Set->LoadQuestions(Path));
  EXPECT_EQ(Set->QuestionCount, 3);
  EXPECT_EQ(Set->Slot(3).Question, "Question 4");

  // A section holding nothing is a gap too; one that does not decode counts.
  WriteBytes(Path, "[QA1]\r\nQUESTION=ZZ\r\n\r\n[QA2]\r\nQUESTION=\r\n\r\n" + QuestionSections(3, 3));
  EXPECT_TRUE(Set->LoadQuestions(Path));
  EXPECT_EQ(Set->QuestionCount, 2);
  EXPECT_EQ(Set->Slot(1).Question, BadDecode);
  EXPECT_EQ(Set->Slot(2).Question, "Question 3");
}

TEST_F(QuestionSetTest, LoadOfATestWithoutQuestionsGivesOneEmptyQuestion) {
  WriteBytes(Path, Section("SETTINGS", {{"DESC", "No description"}}));
  Set->LoadQuestions(Path);
  EXPECT_EQ(Set->QuestionCount, 1);
  EXPECT_EQ(Set->Slot(1), QuestionRecord{});
  EXPECT_EQ(Set->Caption(), "No description - Question 1 of 1");

  // A missing file reads the same way and is not created.
  const std::string missing = Dir.File("MISSING.QWT");
  Set->LoadQuestions(missing);
  EXPECT_EQ(Set->QuestionCount, 1);
  EXPECT_EQ(Set->TestDescription, "");
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(QuestionSetTest, DescriptionTrimsControlsButKeepsCodePageLetters) {
  WriteBytes(Path, Section("SETTINGS", {{"DESC", "\xE9t\xE9 \x01"}}));
  Set->LoadQuestions(Path);
  EXPECT_EQ(Set->TestDescription, "\xC3\xA9t\xC3\xA9");
}

TEST_F(QuestionSetTest, ReloadEmptiesEveryOldSlotButKeepsTheCopyBuffer) {
  WriteBytes(Path, QuestionSections(1, 5));
  Set->LoadQuestions(Path);
  Set->CurrentIndex = 4;
  Set->CopyBuffer.Question = "kept";
  WriteBytes(Path, QuestionSections(1, 2));
  Set->LoadQuestions(Path);
  EXPECT_EQ(Set->QuestionCount, 2);
  EXPECT_EQ(Set->CurrentIndex, 1);
  for (int n = 3; n <= QuestionSet::MaxQuestions; ++n) ASSERT_EQ(Set->Slot(n), QuestionRecord{}) << n;
  EXPECT_EQ(Set->CopyBuffer.Question, "kept");

  // A slot filled again keeps nothing of the question it held.
  WriteBytes(
      Path,
      Section("QA1", {{"QUESTION", "q"}, {"A", "a"}, {"ANY", "1"}, {"REFERENCE", "r"}, {"MMEDIAIN", "1"}}));
  Set->LoadQuestions(Path);
  WriteBytes(Path, Section("QA1", {{"QUESTION", "only"}}));
  Set->LoadQuestions(Path);
  EXPECT_EQ(Set->Slot(1), MakeQuestion("only"));
}

TEST_F(QuestionSetTest, LoadWritesNothingAndAFailedLoadChangesNothing) {
  const std::string bytes = Section("SETTINGS", {{"DESC", "d"}}) + QuestionSections(1, 3);
  WriteBytes(Path, bytes);
  Set->LoadQuestions(Path);
  EXPECT_EQ(ReadBytes(Path), bytes);

  Set->CurrentIndex = 3;
  const std::string folder = Dir.File("FOLDER.QWT");
  std::filesystem::create_directory(folder);
  EXPECT_THROW(Set->LoadQuestions(folder), TIoError);
  EXPECT_EQ(Set->QuestionCount, 3);
  EXPECT_EQ(Set->CurrentIndex, 3);
  EXPECT_EQ(Set->TestDescription, "d");
  EXPECT_EQ(Set->Slot(3).Question, "Question 3");
}

// Adding and deleting

TEST_F(QuestionSetTest, AddAppendsAnEmptyQuestionUpTo500) {
  FillQuestions(*Set, 4);
  Set->CurrentIndex = 2;
  EXPECT_FALSE(Set->AddQuestion());
  EXPECT_EQ(Set->QuestionCount, 5);
  EXPECT_EQ(Set->CurrentIndex, 5);
  EXPECT_EQ(Set->Current(), QuestionRecord{});

  FillQuestions(*Set, 500);
  Set->CurrentIndex = 7;
  EXPECT_TRUE(Set->AddQuestion());
  EXPECT_EQ(Set->QuestionCount, 500);
  EXPECT_EQ(Set->CurrentIndex, 500);
  EXPECT_EQ(Set->Current().Question, "Question 500");
}

TEST_F(QuestionSetTest, DeleteRenumbersTheQuestionsAfterIt) {
  FillQuestions(*Set, 5);
  Set->Slot(5) = Filled("5");
  Set->CurrentIndex = 3;
  Set->DeleteCurrentQuestion();
  EXPECT_EQ(Set->QuestionCount, 4);
  EXPECT_EQ(Set->CurrentIndex, 2);
  EXPECT_EQ(Set->Slot(3).Question, "Question 4");
  EXPECT_EQ(Set->Slot(4), Filled("5"));
  EXPECT_EQ(Set->Slot(5), QuestionRecord{});
}

TEST_F(QuestionSetTest, DeleteOfTheFirstShowsTheFormerSecond) {
  FillQuestions(*Set, 3);
  Set->CurrentIndex = 1;
  Set->DeleteCurrentQuestion();
  EXPECT_EQ(Set->QuestionCount, 2);
  EXPECT_EQ(Set->CurrentIndex, 1);
  EXPECT_EQ(Set->Current().Question, "Question 2");
}

TEST_F(QuestionSetTest, DeleteAlsoDropsOtherQuestionsWithoutText) {
  FillQuestions(*Set, 5);
  Set->Slot(4).Question.clear();
  Set->Slot(4).AnswerA = "lost with it";
  Set->CurrentIndex = 2;
  Set->DeleteCurrentQuestion();
  EXPECT_EQ(Set->QuestionCount, 3);
  EXPECT_EQ(Set->Slot(2).Question, "Question 3");
  EXPECT_EQ(Set->Slot(3).Question, "Question 5");
  EXPECT_EQ(Set->Slot(4), QuestionRecord{});
}

TEST_F(QuestionSetTest, DeleteOfTheOnlyQuestionLeavesOneEmptyQuestion) {
  Set->Slot(1) = Filled("only");
  Set->DeleteCurrentQuestion();
  EXPECT_EQ(Set->QuestionCount, 1);
  EXPECT_EQ(Set->CurrentIndex, 1);
  EXPECT_EQ(Set->Slot(1), QuestionRecord{});
}

TEST_F(QuestionSetTest, DeleteAtTheFullSetEmptiesTheLastSlot) {
  FillQuestions(*Set, 500);
  Set->CurrentIndex = 500;
  Set->DeleteCurrentQuestion();
  EXPECT_EQ(Set->QuestionCount, 499);
  EXPECT_EQ(Set->CurrentIndex, 499);
  EXPECT_EQ(Set->Slot(500), QuestionRecord{});
}

// Navigation and caption

TEST_F(QuestionSetTest, BringIntoRangeClampsAndTellsWhichStepsRemain) {
  FillQuestions(*Set, 3);
  Set->TestDescription = "Review";
  struct TCase {
    int Index, Shown;
    bool Previous, Next;
  };
  for (const TCase c : {TCase{-4, 1, false, true}, TCase{0, 1, false, true}, TCase{1, 1, false, true},
                        TCase{2, 2, true, true}, TCase{3, 3, true, false}, TCase{9, 3, true, false}}) {
    Set->CurrentIndex = c.Index;
    const TNavigationState state = Set->BringIntoRange();
    EXPECT_EQ(Set->CurrentIndex, c.Shown) << c.Index;
    EXPECT_EQ(state.PreviousEnabled, c.Previous) << c.Index;
    EXPECT_EQ(state.NextEnabled, c.Next) << c.Index;
  }
  EXPECT_EQ(Set->Caption(), "Review - Question 3 of 3");

  // One question: Next from it must not leave Previous enabled.
  FillQuestions(*Set, 1);
  Set->StepNext();
  const TNavigationState single = Set->BringIntoRange();
  EXPECT_EQ(Set->CurrentIndex, 1);
  EXPECT_FALSE(single.PreviousEnabled);
  EXPECT_FALSE(single.NextEnabled);
}

// Copy and paste

TEST_F(QuestionSetTest, CopyAndPasteOfTheQuestionText) {
  Set->Slot(1) = Filled("1");
  Set->Slot(2) = Filled("2");
  Set->QuestionCount = 2;
  EXPECT_TRUE(Set->CopyQuestion());
  Set->CurrentIndex = 2;
  Set->PasteQuestion();
  QuestionRecord expected = Filled("2");
  expected.Question = Filled("1").Question;
  EXPECT_EQ(Set->Slot(2), expected);

  Set->Current().Question.clear();
  EXPECT_FALSE(Set->CopyQuestion());
  EXPECT_EQ(Set->CopyBuffer.Question, "");
}

TEST_F(QuestionSetTest, CopyAndPasteOfTheAnswersTakesAnswersCorrectAndPassRule) {
  Set->Slot(1) = Filled("1");
  Set->Slot(1).AnswerB.clear();
  Set->Slot(2) = Filled("2");
  Set->Slot(2).Correct = "F";
  Set->Slot(2).AnyCorrectPasses = false;
  Set->QuestionCount = 2;
  EXPECT_TRUE(Set->CopyAnswers());
  Set->CurrentIndex = 2;
  Set->PasteAnswers();

  QuestionRecord expected = Filled("2");
  for (int i = 0; i < QuestionSet::AnswerCount; ++i) expected.Answer(i) = Set->Slot(1).Answer(i);
  EXPECT_EQ(Set->Slot(2), expected);
  EXPECT_EQ(Set->Slot(2).AnswerB, "");

  for (int i = 0; i < QuestionSet::AnswerCount; ++i) Set->Current().Answer(i).clear();
  EXPECT_FALSE(Set->CopyAnswers());
}

// Correct letters and the pass rule

TEST(QuestionSetRules, CorrectLettersAreReadLooselyAndWrittenInOrder) {
  const std::string stored = "BDB";
  std::array<bool, QuestionSet::AnswerCount> checked{};
  for (int i = 0; i < QuestionSet::AnswerCount; ++i)
    checked[static_cast<size_t>(i)] = QuestionSet::IsCorrectAnswer(stored, i);
  EXPECT_EQ(checked, (std::array<bool, 6>{false, true, false, true, false, false}));
  EXPECT_EQ(QuestionSet::CorrectLetters(checked), "BD");

  EXPECT_FALSE(QuestionSet::IsCorrectAnswer("a", 0));
  EXPECT_TRUE(QuestionSet::IsCorrectAnswer("x;F", 5));
  EXPECT_EQ(QuestionSet::CorrectLetters({true, false, true, false, true, true}), "ACEF");
  EXPECT_EQ(QuestionSet::CorrectLetters({}), "");
}

// Saving

TEST_F(QuestionSetTest, SaveWritesEveryKeyInOrderEnciphered) {
  WriteBytes(Path, Section("SETTINGS", {{"DESC", "d"}, {"TIME", "0"}}) + "[BEGINMESSAGE]\r\nWelcome\r\n\r\n");
  Set->Slot(1) = Filled("1");
  Set->Slot(1).AnswerC.clear();
  Set->Slot(2) = Filled("2");
  Set->Slot(2).AnyCorrectPasses = false;
  Set->Slot(2).MMediaInternal = false;
  Set->QuestionCount = 2;
  Set->SaveQuestions(Path);

  const std::vector<TRawSection> sections = ParseFile(ReadBytes(Path));
  ASSERT_EQ(sections.size(), 4u);
  EXPECT_EQ(sections[0].Name, "SETTINGS");
  EXPECT_EQ(Decrypt(sections[0].Lines.at(0).second), "d");
  EXPECT_EQ(sections[1].Name, "BEGINMESSAGE");
  EXPECT_EQ(sections[1].Lines, (TKeys{{"Welcome", ""}}));

  const std::vector<std::string> order = {
      "QUESTION",          "A",         "B",      "C",       "D", "E", "F", "CORRECT", "ANY", "HOTLINK",
      "HOTLINKPARAMETERS", "REFERENCE", "MMEDIA", "MMEDIAIN"};
  for (int n = 1; n <= 2; ++n) {
    const TRawSection& section = sections[static_cast<size_t>(n + 1)];
    ASSERT_EQ(section.Name, "QA" + std::to_string(n));
    ASSERT_EQ(section.Lines.size(), order.size());
    std::vector<std::string> plain;
    for (size_t k = 0; k < order.size(); ++k) {
      EXPECT_EQ(section.Lines[k].first, order[k]);
      plain.push_back(Decrypt(section.Lines[k].second));
    }
    const QuestionRecord& q = Set->Slot(n);
    EXPECT_EQ(plain,
              (std::vector<std::string>{q.Question, q.AnswerA, q.AnswerB, q.AnswerC, q.AnswerD, q.AnswerE,
                                        q.AnswerF, q.Correct, n == 1 ? "1" : "0", q.HotLink,
                                        q.HotLinkParameters, q.Reference, q.MediaFile, n == 1 ? "1" : "0"}));
  }
  // An empty answer is the key with nothing after '='.
  EXPECT_EQ(sections[2].Lines[3], (std::pair<std::string, std::string>{"C", ""}));
}

TEST_F(QuestionSetTest, SaveAndLoadGiveBackEveryQuestionOfAFullSet) {
  for (int n = 1; n <= QuestionSet::MaxQuestions; ++n) Set->Slot(n) = Filled(std::to_string(n));
  Set->Slot(250).AnyCorrectPasses = false;
  Set->Slot(250).MMediaInternal = false;
  Set->QuestionCount = QuestionSet::MaxQuestions;
  Set->SaveQuestions(Path);

  QuestionSet loaded;
  loaded.LoadQuestions(Path);
  EXPECT_EQ(loaded.QuestionCount, QuestionSet::MaxQuestions);
  EXPECT_EQ(loaded.Questions, Set->Questions);
}

TEST_F(QuestionSetTest, SaveLeavesOutOnlyQuestionsWithoutTextAndRemovesStaleSections) {
  WriteBytes(Path, Section("SETTINGS", {{"DESC", "d"}}) + QuestionSections(1, 5) + "[NOTES]\r\nmine\r\n\r\n" +
                       QuestionSections(501, 501));
  Set->LoadQuestions(Path);
  Set->Slot(2).Question.clear();
  EXPECT_EQ(Set->UntitledQuestions(), std::vector<int>{});
  EXPECT_EQ(Set->EmptyQuestions(), std::vector<int>{2});
  Set->SaveQuestions(Path);
  EXPECT_EQ(Set->QuestionCount, 5) << "the set in memory is unchanged";

  std::vector<std::string> names;
  for (const TRawSection& section : ParseFile(ReadBytes(Path))) names.push_back(section.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"SETTINGS", "QA1", "QA2", "QA3", "QA4", "NOTES", "QA501"}));
  QuestionSet reloaded;
  EXPECT_FALSE(reloaded.LoadQuestions(Path));
  ASSERT_EQ(reloaded.QuestionCount, 4);
  for (int n = 2; n <= 4; ++n) EXPECT_EQ(reloaded.Slot(n).Question, "Question " + std::to_string(n + 1));
}

TEST_F(QuestionSetTest, DeletedQuestionsStayDeletedAfterSaveAndLoad) {
  WriteBytes(Path, QuestionSections(1, 5));
  Set->LoadQuestions(Path);
  Set->CurrentIndex = 3;
  Set->DeleteCurrentQuestion();
  Set->SaveQuestions(Path);

  const std::vector<TRawSection> sections = ParseFile(ReadBytes(Path));
  EXPECT_EQ(FindSection(sections, "QA5"), nullptr);
  ASSERT_NE(FindSection(sections, "QA3"), nullptr);
  EXPECT_EQ(Decrypt(FindSection(sections, "QA3")->Lines[0].second), "Question 4");

  QuestionSet reloaded;
  reloaded.LoadQuestions(Path);
  EXPECT_EQ(reloaded.QuestionCount, 4);

  // Deleting the last question leaves no question section at all.
  for (int i = 0; i < 4; ++i) reloaded.DeleteCurrentQuestion();
  reloaded.SaveQuestions(Path);
  for (const TRawSection& section : ParseFile(ReadBytes(Path))) EXPECT_NE(section.Name.substr(0, 2), "QA");
}

// Holds the process's file size limit low, so that writing a file fails even
// for a user whom permissions do not stop.
class TFileSizeLimit {
public:
  explicit TFileSizeLimit(rlim_t bytes) {
    OldHandler = signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &Old);
    rlimit limit = Old;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &Old);
    signal(SIGXFSZ, OldHandler);
  }

private:
  rlimit Old{};
  sighandler_t OldHandler;
};

TEST_F(QuestionSetTest, FailedSaveKeepsTheFileWholeAndTheSetAsItWas) {
  const std::string bytes = Section("SETTINGS", {{"DESC", "d"}}) + QuestionSections(1, 2);
  WriteBytes(Path, bytes);
  Set->LoadQuestions(Path);
  for (int n = 1; n <= 40; ++n) Set->Slot(n) = Filled(std::to_string(n));
  Set->QuestionCount = 40;
  const auto before = Set->Questions;
  {
    TFileSizeLimit limit(bytes.size() + 10);
    EXPECT_THROW(Set->SaveQuestions(Path), TIoError);
  }
  EXPECT_EQ(ReadBytes(Path), bytes);
  EXPECT_EQ(Set->Questions, before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()), {}), 1);

  Set->SaveQuestions(Path);
  QuestionSet reloaded;
  reloaded.LoadQuestions(Path);
  EXPECT_EQ(reloaded.QuestionCount, 40);
}

}  // namespace
