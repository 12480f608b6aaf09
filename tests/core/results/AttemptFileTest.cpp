#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/results/AttemptFile.h"
#include "core/results/RecordAttempt.h"
#include "core/results/ResultsFixture.h"
#include "core/results/ResultsStore.h"
#include "support/TempDir.h"

namespace {

TAttempt Sample() {
  TAttempt a = ResultsFixture::Attempt("Ren\xC3\xA9\tO'Neil", "AB", "C-");
  a.Id = "00112233445566778899aabbccddeeff";
  a.Questions[0].Question = "Two lines:\r\nback\\slash";
  a.Questions[1].Correct = Scoring::LettersOf("AC");
  a.Questions[1].AnyCorrectPasses = true;
  a.Answered[0].ShownOrder = "DCBA";
  a.Answered[0].Checked = true;
  a.Source = TAttemptSource::Paper;
  a.Version = 'C';
  a.Seed = "42";
  a.Machine = "LAB 07/b";
  a.Ended = "2026-12-01 09:14:05";
  return a;
}

}  // namespace

TEST(AttemptFile, WritesTheDocumentedLinesAndReadsThemBack) {
  const TAttempt a = Sample();
  const std::string text = AttemptFile::Format(a);
  const std::string expectedBody =
      "QWATTEMPT\t1\n"
      "id\t00112233445566778899aabbccddeeff\n"
      "test\tCH2.QWT\n"
      "description\tChapter 2\n"
      "fingerprint\t" +
      a.Fingerprint +
      "\n"
      "student\tRen\xC3\xA9\\tO'Neil\n"
      "student-number\t\n"
      "class\t7B\n"
      "source\tpaper\n"
      "machine\tLAB 07/b\n"
      "version\tC\n"
      "seed\t42\n"
      "started\t2026-12-01 09:00:00\n"
      "ended\t2026-12-01 09:14:05\n"
      "seconds\t60\n"
      "question\t1\tA\tall\tTwo lines:\\r\\nback\\\\slash\tone\ttwo\tthree\tfour\t\t\n"
      "question\t2\tAC\tany\tQuestion 2\tone\ttwo\tthree\tfour\t\t\n"
      "answer\t1\t1\tDCBA\tC\t1\n"
      "answer\t2\t2\tABCD\t\t0\n";
  EXPECT_EQ(text, expectedBody + "end\t" + Digest128(expectedBody) + "\n");
  const AttemptFile::TParsed parsed = AttemptFile::Parse(text);
  EXPECT_EQ(parsed.Attempt, a);
  EXPECT_EQ(parsed.ContentId, AttemptFile::ContentId(a));
  EXPECT_EQ(AttemptFile::FileName(a), "LAB07b-20261201-091405-00112233.qwr");
}

TEST(AttemptFile, RefusesWhatIsNotAWholeAttemptFile) {
  const std::string good = AttemptFile::Format(Sample());
  std::string altered = good;
  altered[altered.find("answer\t1\t1\tDCBA\tC") + 15] = 'D';
  const std::pair<std::string, std::string> cases[] = {
      {good.substr(0, good.size() / 2), "truncated"},
      {good.substr(0, good.rfind("end\t")), "truncated"},
      {altered, "altered"},
      {std::string("QWATTEMPT\t1\n\0\1\2", 15), "binary"},
      {"QWATTEMPT\t1\n\xE9t\xE9\n", "binary"},
      {"QWATTEMPT\t1\n\xE0\x81\x81\n", "binary"},      // overlong 'A'
      {"QWATTEMPT\t1\n\xED\xA0\x80\n", "binary"},      // a surrogate
      {"QWATTEMPT\t1\n\xF4\x90\x80\x80\n", "binary"},  // past U+10FFFF
      {std::string(AttemptFile::MaxBytes + 1, 'x'), "too large"},
      {"[SETTINGS]\r\nDESC=x\r\n", "not an attempt file"},
      {"QWATTEMPT\t2\nend\tx\n", "newer program"},
      {"", "not an attempt file"},
  };
  for (const auto& [bytes, reason] : cases) {
    try {
      AttemptFile::Parse(bytes);
      ADD_FAILURE() << "accepted a file that should be " << reason;
    } catch (const TAttemptFileError& error) {
      EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
    }
  }
  // A malformed line, with a sound check line, is named by its number.
  std::string body = "QWATTEMPT\t1\nid\tx\nsource\tengine\ntest\tT.QWT\nanswer\t1\t1\tAB\tZ\t0\n";
  try {
    AttemptFile::Parse(body + "end\t" + Digest128(body) + "\n");
    ADD_FAILURE() << "accepted a letter Z";
  } catch (const TAttemptFileError& error) {
    EXPECT_EQ(std::string(error.what()), "line 5: \"Z\" is not letters A to F");
  }
}

TEST(ResultsFolder, CollectsEachAttemptOnceAndLeavesBadFilesInPlace) {
  TTempDir dir;
  const std::string drop = dir.File("drop");
  std::filesystem::create_directory(drop);
  const std::string first = AttemptFile::Write(drop, Sample());
  TAttempt other = ResultsFixture::Attempt("Bob", "AB", "AB");
  AttemptFile::Write(drop, other);
  std::filesystem::copy_file(first, drop + "/copy of it.QWR");
  WriteBytes(drop + "/junk.qwr", "[SETTINGS]\r\n");
  WriteBytes(drop + "/notes.txt", "not looked at");

  TOpenedStore opened = OpenResultsStore(dir.Path().string(), dir.File("data"));
  const ResultsFolder::TCollected once = ResultsFolder::Collect(drop, *opened.Store);
  EXPECT_EQ(once.Added, 2);
  EXPECT_EQ(once.Known, 1);
  ASSERT_EQ(once.Refused.size(), 1u);
  EXPECT_EQ(once.Refused[0].File, drop + "/junk.qwr");
  EXPECT_EQ(ReadBytes(drop + "/junk.qwr"), "[SETTINGS]\r\n");

  // A stored file is not read again while its size and time stay: spoiled
  // behind the collector's back, it still counts as stored; once its time
  // moves it is read, and refused.
  struct stat before {};
  ASSERT_EQ(::stat(first.c_str(), &before), 0);
  std::string spoiled = ReadBytes(first);
  spoiled[spoiled.find("Ren")] = 'X';
  WriteBytes(first, spoiled);
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, first.c_str(), times, 0), 0);
  const ResultsFolder::TCollected twice = ResultsFolder::Collect(drop, *opened.Store);
  EXPECT_EQ(twice.Added, 0);
  EXPECT_EQ(twice.Known, 3);
  EXPECT_EQ(twice.Refused.size(), 1u);  // junk.qwr, read every time
  EXPECT_EQ(opened.Store->Attempts({}).size(), 2u);
  ASSERT_EQ(::utimensat(AT_FDCWD, first.c_str(), nullptr, 0), 0);
  const ResultsFolder::TCollected moved = ResultsFolder::Collect(drop, *opened.Store);
  EXPECT_EQ(moved.Known, 2);
  EXPECT_EQ(moved.Refused.size(), 2u);
}

// A lab machine: the test folder and the results folder cannot be written,
// so the attempt waits in the queue, is sent at the next start, and is then
// collected once, even though the same attempt also reached the store.
TEST(ResultsFolder, AnAttemptWaitsInTheQueueAndArrivesOnce) {
  TTempDir dir;
  const TAttempt attempt = Sample();
  const std::string data = dir.File("data");
  const TRecorded queued = RecordAttempt(attempt, dir.File("no/tests"), dir.File("no/drop"), data);
  EXPECT_EQ(queued.Where, TRecordedIn::Queue);
  EXPECT_TRUE(queued.Path.starts_with(QueueFolder(data))) << queued.Path;
  // The student is told where the result waits, as nobody else can see it.
  ASSERT_EQ(queued.Notices.size(), 1u);
  EXPECT_NE(queued.Notices[0].find("\"" + QueueFolder(data) + "\""), std::string::npos) << queued.Notices[0];

  const std::string drop = dir.File("drop");
  std::filesystem::create_directory(drop);
  EXPECT_EQ(ResultsFolder::SendQueued(QueueFolder(data), drop), 1);
  EXPECT_TRUE(std::filesystem::is_empty(QueueFolder(data)));
  EXPECT_EQ(RecordAttempt(attempt, dir.File("no/tests"), drop, data).Where, TRecordedIn::ResultsFolder);

  const std::string tests = dir.File("tests");
  std::filesystem::create_directory(tests);
  EXPECT_EQ(RecordAttempt(attempt, tests, drop, data).Where, TRecordedIn::Store);
  TOpenedStore opened = OpenResultsStore(tests, data);
  const ResultsFolder::TCollected collected = ResultsFolder::Collect(drop, *opened.Store);
  EXPECT_EQ(collected.Added, 0);
  EXPECT_EQ(collected.Known, 1);  // the queued file and the later one share a name: one file
  EXPECT_EQ(opened.Store->Attempts({}).size(), 1u);
}
