#include "core/scan/ScanPile.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <map>
#include <tuple>

#include "core/storage/Csv.h"

namespace Scan {
namespace {

std::string RunText(const SheetLayout::TSheetCode& code) {
  std::string text = "seed " + std::to_string(code.Seed) + ", " + std::to_string(code.Versions) +
                     (code.Versions == 1 ? " version" : " versions");
  if (code.ShuffleQuestions || code.ShuffleAnswers)
    text += std::string(", ") + (code.ShuffleQuestions ? "questions" : "") +
            (code.ShuffleQuestions && code.ShuffleAnswers ? " and " : "") +
            (code.ShuffleAnswers ? "answers" : "") + " shuffled";
  return text;
}

bool SameRun(const TRun& run, const SheetLayout::TSheetCode& code) {
  return run.Fingerprint == code.Fingerprint && run.Options.Seed == code.Seed &&
         run.Options.Versions == code.Versions && run.Options.ShuffleQuestions == code.ShuffleQuestions &&
         run.Options.ShuffleAnswers == code.ShuffleAnswers;
}

TRun RunOf(const SheetLayout::TSheetCode& code) {
  return {code.Fingerprint, {code.Versions, code.Seed, code.ShuffleQuestions, code.ShuffleAnswers}};
}

// What the pages of one sheet share.
using TSheetKey = std::tuple<std::string, std::uint64_t, int, bool, bool, char, int, int>;

TSheetKey KeyOf(const SheetLayout::TSheetCode& c) {
  return {c.Fingerprint,    c.Seed,    c.Versions, c.ShuffleQuestions,
          c.ShuffleAnswers, c.Version, c.Sheet,    c.Pages};
}

struct TPartial {
  std::vector<std::optional<TScannedPage>> Pages;
  bool Open = true;
};

bool SeveralAllowed(const TRun& run, char version, int printed) {
  const auto v = static_cast<std::size_t>(version - 'A');
  const auto q = static_cast<std::size_t>(printed - 1);
  return v < run.SeveralCorrect.size() && q < run.SeveralCorrect[v].size() && run.SeveralCorrect[v][q];
}

// Why the read pages of a sheet cannot be graded, or nothing.
void CheckSheet(const TPartial& partial, const TRun& run, std::vector<TProblem>& problems, bool& gradable) {
  const auto& pages = partial.Pages;
  std::string missing;
  for (std::size_t p = 0; p < pages.size(); ++p)
    if (!pages[p]) missing += (missing.empty() ? "" : ", ") + std::to_string(p + 1);
  const TScannedPage& any =
      **std::find_if(pages.begin(), pages.end(), [](const auto& p) { return p.has_value(); });
  if (!missing.empty()) {
    problems.push_back({PlaceOf(any.Source, any.Page),
                        "version " + std::string(1, any.Reading.Code.Version) + " sheet lacks page " +
                            missing + " of " + std::to_string(pages.size()),
                        {}});
    gradable = false;
    return;
  }
  int next = pages[0]->Reading.Code.FirstQuestion;
  for (const auto& page : pages) {
    const TPageReading& r = page->Reading;
    const std::string place = PlaceOf(page->Source, page->Page);
    if (r.Code.FirstQuestion != next) {
      problems.push_back({place, "its questions do not follow those of the sheet's page before", {}});
      gradable = false;
    }
    next = r.Code.FirstQuestion + int(r.Code.AnswerCounts.size());
    for (const TRowReading& row : r.Rows)
      if (row.Doubtful && !(row.SeveralMarked && SeveralAllowed(run, r.Code.Version, row.Printed))) {
        problems.push_back({place + ", question " + std::to_string(row.Printed), row.Reason, row.Crop});
        gradable = false;
      }
    if (r.NumberDoubtful) {
      problems.push_back({place + ", student number", r.NumberReason, r.NumberCrop});
      gradable = false;
    }
  }
}

}  // namespace

std::vector<std::vector<bool>> SeveralCorrect(const std::vector<QuestionRecord>& questions,
                                              const PaperVersions::TOptions& options) {
  std::vector<std::vector<bool>> several;
  for (const PaperVersions::TVersion& version : PaperVersions::Make(questions, options)) {
    several.emplace_back();
    for (const PaperVersions::TPaperQuestion& question : version.Questions)
      several.back().push_back(std::popcount(static_cast<unsigned>(question.Key)) > 1);
  }
  return several;
}

std::string PlaceOf(const std::string& source, int page) {
  return std::filesystem::path(source).filename().string() + " page " + std::to_string(page);
}

TPile Assemble(std::vector<TScannedPage> pages, const TExpected& expected) {
  TPile pile;
  pile.Pages = int(pages.size());
  std::string fingerprint = expected.Fingerprint;

  std::vector<TPartial> partials;
  std::map<TSheetKey, std::size_t> open;
  for (TScannedPage& page : pages) {
    const std::string place = PlaceOf(page.Source, page.Page);
    const TPageReading& r = page.Reading;
    if (!r.Read) {
      pile.Problems.push_back({place, r.Problem, {}});
      continue;
    }
    const auto& code = r.Code;
    if (fingerprint.empty()) fingerprint = code.Fingerprint;
    if (code.Fingerprint != fingerprint) {
      pile.Problems.push_back({place, "a page of another test (fingerprint " + code.Fingerprint + ")", {}});
      continue;
    }
    if (!expected.Runs.empty() && std::none_of(expected.Runs.begin(), expected.Runs.end(),
                                               [&](const TRun& run) { return SameRun(run, code); })) {
      pile.Problems.push_back(
          {place, "a sheet of a print that was not recorded (" + RunText(code) + ")", {}});
      continue;
    }
    // One answers file is graded against one print.
    if (!pile.Run) {
      const auto recorded = std::find_if(expected.Runs.begin(), expected.Runs.end(),
                                         [&](const TRun& run) { return SameRun(run, code); });
      pile.Run = recorded != expected.Runs.end() ? *recorded : RunOf(code);
    } else if (!SameRun(*pile.Run, code)) {
      pile.Problems.push_back(
          {place, "a sheet of another print than the pile's first (" + RunText(code) + ")", {}});
      continue;
    }
    if (code.Version < 'A' || code.Version >= 'A' + code.Versions) {
      pile.Problems.push_back({place,
                               "version " + std::string(1, code.Version) + " is not one of the " +
                                   std::to_string(code.Versions) + " versions of its print",
                               {}});
      continue;
    }
    // The pages of a sheet come in order within the pile: a first page opens
    // a sheet, and each later page joins the open sheet of its kind.
    const TSheetKey key = KeyOf(code);
    const auto found = open.find(key);
    if (code.Page == 1) {
      partials.push_back({std::vector<std::optional<TScannedPage>>(std::size_t(code.Pages)), true});
      partials.back().Pages[0] = std::move(page);
      open[key] = partials.size() - 1;
      continue;
    }
    if (found == open.end() || partials[found->second].Pages[std::size_t(code.Page - 1)]) {
      pile.Problems.push_back({place,
                               "page " + std::to_string(code.Page) + " of a version " +
                                   std::string(1, code.Version) + " sheet whose page 1 is not before it",
                               {}});
      continue;
    }
    partials[found->second].Pages[std::size_t(code.Page - 1)] = std::move(page);
  }

  std::vector<TSheet> sheets;
  std::map<std::string, std::vector<std::size_t>> byNumber;
  for (const TPartial& partial : partials) {
    bool gradable = true;
    CheckSheet(partial, *pile.Run, pile.Problems, gradable);
    if (!gradable) continue;
    const TScannedPage& first = *partial.Pages[0];
    TSheet sheet;
    sheet.Where = PlaceOf(first.Source, first.Page);
    sheet.Name = first.Reading.StudentNumber.empty() ? sheet.Where : first.Reading.StudentNumber;
    sheet.Version = first.Reading.Code.Version;
    for (const auto& page : partial.Pages)
      for (const TRowReading& row : page->Reading.Rows) sheet.Rows.push_back(row.Letters);
    if (!first.Reading.StudentNumber.empty()) byNumber[sheet.Name].push_back(sheets.size());
    sheets.push_back(std::move(sheet));
  }
  std::vector<bool> twice(sheets.size(), false);
  for (const auto& [number, indices] : byNumber) {
    if (indices.size() < 2) continue;
    std::string places;
    for (std::size_t i : indices) places += (places.empty() ? "" : ", ") + sheets[i].Where;
    for (std::size_t i : indices) {
      twice[i] = true;
      pile.Problems.push_back(
          {sheets[i].Where, "student number " + number + " is on more than one sheet (" + places + ")", {}});
    }
  }
  for (std::size_t i = 0; i < sheets.size(); ++i)
    if (!twice[i]) pile.Sheets.push_back(std::move(sheets[i]));
  return pile;
}

std::string AnswersText(const TPile& pile) {
  std::size_t questions = 0;
  for (const TSheet& sheet : pile.Sheets) questions = std::max(questions, sheet.Rows.size());
  std::vector<std::string> head{"Name", "Version"};
  for (std::size_t q = 1; q <= questions; ++q) head.push_back(std::to_string(q));
  std::string text = Csv::FormatRecord(head);
  for (const TSheet& sheet : pile.Sheets) {
    std::vector<std::string> fields{sheet.Name, std::string(1, sheet.Version)};
    fields.insert(fields.end(), sheet.Rows.begin(), sheet.Rows.end());
    text += Csv::FormatRecord(fields);
  }
  return text;
}

}  // namespace Scan
