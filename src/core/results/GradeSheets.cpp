#include "core/results/GradeSheets.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>

#include "core/storage/CodePage.h"
#include "core/storage/FileInput.h"
#include "core/storage/IniStore.h"
#include "core/storage/Utf8.h"

namespace fs = std::filesystem;

namespace {

std::string FileName(const std::string& path) {
  return fs::path(path).filename().string();
}

// Sheets typed with the wrong version letter, or printed without a shuffle,
// fit the key of another version of the run (or the test's own order) far
// better than their own.
std::optional<TGradeWarning> WrongKeysWarning(std::string_view text, const TGradedSheets& graded,
                                              const std::vector<QuestionRecord>& questions) {
  std::vector<PaperVersions::TVersion> candidates = graded.Versions;
  candidates.push_back(PaperVersions::Make(questions, {})[0]);
  const Grading::TKeyCheck check = Grading::CheckKeys(text, graded.Versions, candidates);
  if (!check.WrongKeys()) return std::nullopt;
  const Grading::TStudentResult& sheet = graded.Results.Students[static_cast<std::size_t>(check.Sheet)];
  TGradeWarning warning{TGradeWarningKind::WrongKeys};
  warning.Keys = check;
  warning.Name = sheet.Name;
  warning.Version = sheet.Version;
  if (static_cast<std::size_t>(check.Candidate) < graded.Versions.size())
    warning.KeyVersion = candidates[static_cast<std::size_t>(check.Candidate)].Letter;
  return warning;
}

void Add(TGradedSheets& graded, TGradeWarning warning) {
  warning.Sentence = WarningSentence(warning);
  graded.Warnings.push_back(std::move(warning));
}

}  // namespace

TGradedSheets GradeSheets(std::string_view answersText, const std::string& testPath,
                          const PaperVersions::TPaperTest& test, const PaperVersions::TOptions& options,
                          const std::vector<TPrintRun>& runs) {
  TGradedSheets graded;
  graded.TestFile = FileName(testPath);
  graded.Description = test.Description;
  graded.Questions = TestSnapshots(test.Questions);
  graded.Fingerprint = Fingerprint(graded.Questions);
  graded.Options = options;
  graded.Options.Versions = std::clamp(options.Versions, 1, PaperVersions::MaxVersions);
  for (const TPrintRun& run : runs) {
    if (run.Options == graded.Options) {
      graded.Run = run;
      break;
    }
  }
  graded.Versions = PaperVersions::Make(test.Questions, graded.Options);
  graded.Results = Grading::Grade(answersText, graded.Versions, test.PassPoint);
  // Rows in doubt are never scored or recorded until someone decides them.
  for (const Grading::TUndecided& sheet : graded.Results.Undecided) {
    TGradeWarning warning{TGradeWarningKind::Undecided};
    warning.Sheet = sheet;
    Add(graded, std::move(warning));
  }

  int asked = 0;
  int right = 0;
  for (const Grading::TStudentResult& student : graded.Results.Students) {
    asked += student.Asked;
    right += student.Right;
  }
  // Each other run marks the same sheets; the one with the most right answers
  // is the better run when it is far ahead.
  int bestRight = right;
  for (const TPrintRun& run : runs) {
    if (run.Options == graded.Options) continue;
    const std::optional<int> under =
        Grading::RightUnder(answersText, graded.Versions, PaperVersions::Make(test.Questions, run.Options));
    if (under && *under > bestRight) {
      bestRight = *under;
      graded.BetterRun = run;
    }
  }
  if (graded.BetterRun &&
      Scoring::Percent(bestRight, asked) - Scoring::Percent(right, asked) < Grading::FarBelowPoints)
    graded.BetterRun.reset();
  if (graded.BetterRun) {
    TGradeWarning warning{TGradeWarningKind::BetterRun};
    warning.Run = graded.Run;
    warning.Better = graded.BetterRun;
    warning.Seed = graded.Options.Seed;
    warning.Right = right;
    warning.BetterRight = bestRight;
    warning.Asked = asked;
    Add(graded, std::move(warning));
  } else if (auto warning = WrongKeysWarning(answersText, graded, test.Questions)) {
    Add(graded, std::move(*warning));
  }
  if (graded.Run && !graded.Run->Fingerprint.empty() && graded.Run->Fingerprint != graded.Fingerprint) {
    TGradeWarning warning{TGradeWarningKind::ChangedSincePrint};
    warning.Run = graded.Run;
    Add(graded, std::move(warning));
  }
  return graded;
}

std::string WarningSentence(const TGradeWarning& warning) {
  switch (warning.Kind) {
    case TGradeWarningKind::Undecided:
      return "row " + std::to_string(warning.Sheet.Row) + ", " + warning.Sheet.Name +
             ": not graded, questions in doubt (" + warning.Sheet.Questions +
             "); decide them and grade the sheet again";
    case TGradeWarningKind::BetterRun: {
      const std::string chosen =
          warning.Run ? PrintRuns::Describe(*warning.Run)
                      : "the seed and options given (seed " + std::to_string(warning.Seed) + ")";
      return "The sheets fit " + PrintRuns::Describe(*warning.Better) + " far better than " + chosen + ": " +
             std::to_string(warning.BetterRight) + " of " + std::to_string(warning.Asked) + " answers (" +
             std::to_string(Scoring::Percent(warning.BetterRight, warning.Asked)) +
             "%) are right there, against " + std::to_string(warning.Right) + " (" +
             std::to_string(Scoring::Percent(warning.Right, warning.Asked)) +
             "%) here. Grade them with the run they were printed in.";
    }
    case TGradeWarningKind::WrongKeys: {
      const Grading::TKeyCheck& check = warning.Keys;
      const std::string key = warning.KeyVersion ? "version " + std::string(1, warning.KeyVersion)
                                                 : "the test's own order, nothing shuffled";
      return std::to_string(check.FitElsewhere) + " of " + std::to_string(check.Sheets) +
             " sheets score far better under another key than under the key of their own version: " +
             warning.Name + " scores " + std::to_string(check.OwnPercent) + "% as version " +
             std::string(1, warning.Version) + " and " + std::to_string(check.CandidatePercent) +
             "% under the key of " + key + ". Check the version letters typed.";
    }
    case TGradeWarningKind::ChangedSincePrint:
      break;
  }
  return "The test was changed after " + PrintRuns::Describe(*warning.Run) +
         " was printed: the sheets are graded with its questions and keys as they are now.";
}

TGradedSheets GradeAnswersFile(const std::string& answersPath, const std::string& testPath,
                               const PaperVersions::TPaperTest& test, const PaperVersions::TOptions& options,
                               const std::vector<TPrintRun>& runs) {
  TInputFile input(answersPath);
  const TFileBytes bytes = input.ReadRest(MaxStoreFileSize);
  // Spreadsheets of older programs wrote their names in the code page; each
  // line is taken on its own, as rows are pasted together from several.
  const std::string_view file(bytes.Data.get(), bytes.Size);
  std::string text;
  text.reserve(file.size());
  for (std::size_t start = 0; start < file.size();) {
    const std::size_t end = std::min(file.find('\n', start), file.size() - 1) + 1;
    text += CodePage::Utf8OrCodePage(file.substr(start, end - start));
    start = end;
  }
  return GradeSheets(text, testPath, test, options, runs);
}

namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

const PaperVersions::TVersion& VersionOf(const TGradedSheets& graded,
                                         const Grading::TStudentResult& student) {
  return graded.Versions[static_cast<std::size_t>(*PaperVersions::VersionIndex(student.Version))];
}

// What a sheet's id is made from: the run, the row's name, version and the
// letters chosen on the questions its version prints.
std::string SheetContent(const TGradedSheets& graded, const std::string& run, const std::string& name,
                         const Grading::TStudentResult& student) {
  std::string row = run + '\n' + DigestText(name) + '\n' + student.Version;
  const std::size_t count = std::min(VersionOf(graded, student).Questions.size(), student.Chosen.size());
  for (std::size_t q = 0; q < count; ++q) row += '\n' + Scoring::LetterText(student.Chosen[q]);
  return row;
}

// The run: the same sheet of the same run makes the same id, whoever grades
// it and when.
std::string RunKey(const TGradedSheets& graded) {
  const PaperVersions::TOptions& options = graded.Options;
  return UpperAscii(graded.TestFile) + '\n' + std::to_string(options.Seed) + '\n' +
         std::to_string(options.Versions) + (options.ShuffleQuestions ? "Q" : "-") +
         (options.ShuffleAnswers ? "A" : "-");
}

// The attempt of the sheet of student, named name, whose id
// is id.
std::pair<TAttempt, std::string> GradedAttempt(const TGradedSheets& graded,
                                               const Grading::TStudentResult& student,
                                               const std::string& name, std::string id, TAttemptSource source,
                                               const std::string& when) {
  const PaperVersions::TVersion& version = VersionOf(graded, student);
  TAttempt attempt;
  attempt.TestFile = graded.TestFile;
  attempt.Description = graded.Description;
  attempt.Questions = graded.Questions;
  attempt.Fingerprint = graded.Fingerprint;
  (AllDigits(name) ? attempt.StudentNumber : attempt.Student) = name;
  attempt.Source = source;
  attempt.Version = student.Version;
  attempt.Seed = std::to_string(graded.Options.Seed);
  attempt.Started = when;
  attempt.Ended = when;
  for (std::size_t q = 0; q < version.Questions.size() && q < student.Chosen.size(); ++q) {
    const PaperVersions::TPaperQuestion& printed = version.Questions[q];
    TAnsweredQuestion answered;
    answered.Number = printed.Source + 1;
    answered.Position = static_cast<int>(q) + 1;
    for (int stored : printed.Answers) answered.ShownOrder += static_cast<char>('A' + stored);
    answered.Chosen = student.Chosen[q];
    attempt.Answered.push_back(std::move(answered));
  }
  std::string contentId = "paper-" + id;
  attempt.Id = std::move(id);
  return {std::move(attempt), std::move(contentId)};
}

}  // namespace

TRecordedGrades RecordGrades(const TGradedSheets& graded, const std::string& testPath, TAttemptSource source,
                             const std::string& userDataFolder) {
  const std::string run = RunKey(graded);
  const std::string when = ResultsLocation::LocalTime("%Y-%m-%d %H:%M:%S");
  const std::vector<Grading::TStudentResult>& sheets = graded.Results.Students;
  TRecordedGrades recorded;
  TOpenedStore opened =
      WriteResultsStore(PrintRuns::TestFolder(testPath), userDataFolder, [&](TResultsStore& store) {
        // Made one at a time as they are stored: a pile of sheets may be large.
        std::unordered_map<std::string, int> seen;  // rows alike so far, by the id of the first
        recorded.Added = store.AddAll(sheets.size(), [&](std::size_t i) {
          const std::string& name = sheets[i].Name;
          // The id of the run and the row's content, so the same file
          // recorded again adds nothing; a row alike one before it counts
          // which it is, so two students who answered alike are two attempts
          // (the first keeps the id rows had before repeats were told apart).
          std::string id = Digest128(SheetContent(graded, run, name, sheets[i]));
          if (const int repeat = seen[id]++; repeat > 0)
            id = Digest128(id + "\nrepeat " + std::to_string(repeat));
          return GradedAttempt(graded, sheets[i], name, std::move(id), source, when);
        });
      });
  recorded.Known = static_cast<int>(sheets.size()) - recorded.Added;
  recorded.StorePath = std::move(opened.Path);
  recorded.Notices = std::move(opened.Notices);
  return recorded;
}

std::string RecordedWords(const TRecordedGrades& recorded) {
  std::string words = std::to_string(recorded.Added) +
                      (recorded.Added == 1 ? " attempt was recorded in " : " attempts were recorded in ") +
                      recorded.StorePath;
  if (recorded.Known > 0)
    words += "; " + std::to_string(recorded.Known) +
             (recorded.Known == 1 ? " was there already" : " were there already");
  return words + ".";
}
