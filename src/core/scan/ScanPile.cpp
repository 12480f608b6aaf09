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

TRun RunOfCode(const SheetLayout::TSheetCode& code) {
  return {code.Fingerprint, {code.Versions, code.Seed, code.ShuffleQuestions, code.ShuffleAnswers}, {}, {}};
}

// What names a printed run: the test as printed and the options.
using TRunKey = std::tuple<std::string, std::uint64_t, int, bool, bool>;

TRunKey RunKeyOf(const SheetLayout::TSheetCode& c) {
  return {c.Fingerprint, c.Seed, c.Versions, c.ShuffleQuestions, c.ShuffleAnswers};
}

// What the pages of one sheet share: the run, the version, the number of
// pages, and what joins them: the serial, the student number (on a
// photocopied sheet, else ""), or the sheet number printed before serials.
using TSheetKey =
    std::tuple<std::string, std::uint64_t, int, bool, bool, char, SheetLayout::TJoin, int, int, std::string>;

TSheetKey KeyOf(const SheetLayout::TSheetCode& c, const std::string& number) {
  return {c.Fingerprint, c.Seed,  c.Versions, c.ShuffleQuestions, c.ShuffleAnswers, c.Version, c.Join,
          c.Sheet,       c.Pages, number};
}

struct TPartial {
  std::vector<std::optional<TScannedPage>> Pages;
  std::vector<int> Indices;                       // of each page among the pages given to Assemble
  std::string Number;                             // what joins a photocopied sheet's pages
  std::map<int, std::vector<std::string>> Twice;  // page -> the places of every copy of it
};

TPartial Opened(int pages, const std::string& number) {
  return {std::vector<std::optional<TScannedPage>>(std::size_t(pages)),
          std::vector<int>(std::size_t(pages), -1),
          number,
          {}};
}

// How problems name a sheet: "sheet 12 of version A", "version A sheet of
// student 1001", "version A sheet".
std::string SheetWords(const SheetLayout::TSheetCode& code, const std::string& number) {
  const std::string version(1, code.Version);
  switch (code.Join) {
    case SheetLayout::TJoin::BySerial:
      return "sheet " + std::to_string(code.Sheet) + " of version " + version;
    case SheetLayout::TJoin::ByNumber:
      return "version " + version + " sheet of student " + number;
    case SheetLayout::TJoin::ByOrder:
      break;
  }
  return "version " + version + " sheet";
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return text;
}

// A problem of kind at where, about the page of code.
TProblem Problem(TProblemKind kind, std::string where, const SheetLayout::TSheetCode& code) {
  TProblem problem{std::move(where), {}, {}};
  problem.Kind = kind;
  problem.Code = code;
  return problem;
}

// Adds the problem, its reason worded.
void Add(std::vector<TProblem>& problems, TProblem problem) {
  problem.Reason = ReasonOf(problem);
  problems.push_back(std::move(problem));
}

// Whether the page's student number was read whole and sure.
bool NumberKnown(const TPageReading& reading) {
  return !reading.StudentNumber.empty() && !reading.NumberDoubtful &&
         reading.StudentNumber.find_first_of("? ") == std::string::npos;
}

bool SeveralAllowed(const TRun& run, char version, int printed) {
  const auto v = static_cast<std::size_t>(version - 'A');
  const auto q = static_cast<std::size_t>(printed - 1);
  return v < run.SeveralCorrect.size() && q < run.SeveralCorrect[v].size() && run.SeveralCorrect[v][q];
}

// Why the read pages of a sheet cannot be graded, or nothing; its rows in
// doubt are problems too, and added to doubtful, but leave it gradable.
void CheckSheet(const TPartial& partial, const TRun& run, std::vector<TProblem>& problems, bool& gradable,
                std::vector<int>& doubtful) {
  const auto& pages = partial.Pages;
  const TScannedPage& any =
      **std::find_if(pages.begin(), pages.end(), [](const auto& p) { return p.has_value(); });
  const auto ofSheet = [&](TProblemKind kind, std::string where) {
    TProblem problem = Problem(kind, std::move(where), any.Reading.Code);
    problem.Number = partial.Number;
    problem.Count = int(pages.size());
    return problem;
  };
  // Two pages claim the same place: which of them is the student's cannot
  // be known, so neither is graded.
  for (const auto& [page, places] : partial.Twice) {
    TProblem problem = ofSheet(TProblemKind::PageTwice, places.front());
    problem.Count = page;
    problem.Places = places;
    Add(problems, std::move(problem));
    gradable = false;
  }
  if (!gradable) return;
  TProblem missing = ofSheet(TProblemKind::PagesMissing, PlaceOf(any.Source, any.Page));
  for (std::size_t p = 0; p < pages.size(); ++p)
    if (!pages[p]) missing.Pages.push_back(int(p + 1));
  if (!missing.Pages.empty()) {
    Add(problems, std::move(missing));
    gradable = false;
    return;
  }
  // The rows printed must be those of the test's version as it is now.
  std::string counts;
  for (const auto& page : pages) counts += page->Reading.Code.AnswerCounts;
  const auto version = static_cast<std::size_t>(any.Reading.Code.Version - 'A');
  if (!run.Counts.empty() && (version >= run.Counts.size() || run.Counts[version] != counts)) {
    Add(problems, ofSheet(TProblemKind::SheetChanged, PlaceOf(pages[0]->Source, pages[0]->Page)));
    gradable = false;
    return;
  }
  int next = pages[0]->Reading.Code.FirstQuestion;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const TScannedPage& page = *pages[p];
    const TPageReading& r = page.Reading;
    const std::string place = PlaceOf(page.Source, page.Page);
    if (r.Code.FirstQuestion != next) {
      Add(problems, Problem(TProblemKind::OutOfOrder, place, r.Code));
      gradable = false;
    }
    next = r.Code.FirstQuestion + int(r.Code.AnswerCounts.size());
    for (std::size_t i = 0; i < r.Rows.size(); ++i) {
      const TRowReading& row = r.Rows[i];
      if (row.Doubtful && !(row.SeveralMarked && SeveralAllowed(run, r.Code.Version, row.Printed))) {
        problems.push_back({place + ", question " + std::to_string(row.Printed), row.Reason, row.Crop,
                            partial.Indices[p], int(i), TProblemKind::RowInDoubt, r.Code});
        doubtful.push_back(row.Printed);
      }
    }
    if (r.NumberDoubtful) {
      problems.push_back({place + ", student number", r.NumberReason, r.NumberCrop, partial.Indices[p], -1,
                          TProblemKind::NumberInDoubt, r.Code});
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

TRun RunOf(const std::vector<QuestionRecord>& questions, const PaperVersions::TOptions& options,
           const std::string& printed, const std::string& now) {
  TRun run{printed.empty() ? now : printed, options, SeveralCorrect(questions, options), {}};
  for (const PaperVersions::TVersion& version : PaperVersions::Make(questions, options)) {
    std::string& counts = run.Counts.emplace_back();
    for (const PaperVersions::TPaperQuestion& question : version.Questions)
      counts += char('0' + std::min<std::size_t>(question.Answers.size(), SheetLayout::MaxAnswers));
  }
  return run;
}

std::string ReasonOf(const TProblem& problem) {
  const SheetLayout::TSheetCode& code = problem.Code;
  const std::string version(1, code.Version);
  switch (problem.Kind) {
    case TProblemKind::Given:
    case TProblemKind::Unread:
    case TProblemKind::RowInDoubt:
    case TProblemKind::NumberInDoubt:
      break;
    case TProblemKind::OtherTest:
      return "a page of another test (fingerprint " + code.Fingerprint + ")";
    case TProblemKind::NotRecorded:
      return "a sheet of a print that was not recorded (" + RunText(code) + ")";
    case TProblemKind::PrintUnclear:
      return "a sheet of one of two prints with the same seed that drew other questions (" + RunText(code) +
             "): which it is cannot be known, so it is not graded";
    case TProblemKind::OtherRun:
      return "a sheet of another print than the rest of the pile (" + RunText(code) + ")";
    case TProblemKind::NoSuchVersion:
      return "version " + version + " is not one of the " + std::to_string(code.Versions) +
             " versions of its print";
    case TProblemKind::StudentUnknown:
      return "the page's student cannot be known: the student number written on every page of a "
             "photocopied sheet is missing or unclear on it";
    case TProblemKind::NoFirstPage:
      return "page " + std::to_string(code.Page) + " of a version " + version +
             " sheet whose page 1 is not before it";
    case TProblemKind::PageTwice:
      return SheetWords(code, problem.Number) + " has page " + std::to_string(problem.Count) +
             " more than once (" + Joined(problem.Places) +
             "): which copy is whose cannot be known, so the sheet is not graded";
    case TProblemKind::PagesMissing: {
      std::vector<std::string> missing;
      for (const int page : problem.Pages) missing.push_back(std::to_string(page));
      return SheetWords(code, problem.Number) + " lacks page " + Joined(missing) + " of " +
             std::to_string(problem.Count);
    }
    case TProblemKind::SheetChanged:
      return "the test's questions or answers were changed after this sheet was printed: its rows are not "
             "the test's as it is now, so it cannot be graded with it";
    case TProblemKind::OutOfOrder:
      return "its questions do not follow those of the sheet's page before";
    case TProblemKind::NumberTwice:
      return "student number " + problem.Number + " is on more than one sheet (" + Joined(problem.Places) +
             ")";
  }
  return problem.Reason;
}

std::string PlaceOf(const std::string& source, int page) {
  return std::filesystem::path(source).filename().string() + " page " + std::to_string(page);
}

TPile Assemble(std::vector<TScannedPage> pages, const TExpected& expected) {
  TPile pile;
  pile.Pages = int(pages.size());
  // A recorded run names the test as it was printed: a key mended since
  // does not make its sheets another test's.
  const auto printedAsRecorded = [&](const SheetLayout::TSheetCode& code) {
    return std::any_of(expected.Runs.begin(), expected.Runs.end(),
                       [&](const TRun& run) { return run.Fingerprint == code.Fingerprint; });
  };
  const auto ofTest = [&](const SheetLayout::TSheetCode& code) {
    return expected.Fingerprint.empty() || code.Fingerprint == expected.Fingerprint ||
           printedAsRecorded(code);
  };
  const auto recorded = [&](const SheetLayout::TSheetCode& code) {
    return std::find_if(expected.Runs.begin(), expected.Runs.end(),
                        [&](const TRun& run) { return SameRun(run, code); });
  };
  // Two recorded runs whose sheets carry the same marks but which drew other
  // questions: which of them a sheet comes from cannot be known, and a guess
  // would grade it against questions its student never had.
  const auto unclear = [&](const SheetLayout::TSheetCode& code) {
    const auto first = recorded(code);
    return first != expected.Runs.end() &&
           std::any_of(std::next(first), expected.Runs.end(), [&](const TRun& run) {
             return SameRun(run, code) && run.Options.Draw != first->Options.Draw;
           });
  };
  // One answers file is graded against one print: the one most pages of
  // the pile come from, so a stray page does not turn the rest away.
  std::map<TRunKey, int> shared;
  const SheetLayout::TSheetCode* prevailing = nullptr;
  for (const TScannedPage& page : pages) {
    const auto& code = page.Reading.Code;
    if (!page.Reading.Read || !ofTest(code) ||
        (!expected.Runs.empty() && recorded(code) == expected.Runs.end()) || unclear(code))
      continue;
    const int count = ++shared[RunKeyOf(code)];
    if (!prevailing || count > shared[RunKeyOf(*prevailing)]) prevailing = &code;
  }
  std::string fingerprint = expected.Fingerprint;
  if (prevailing) {
    if (fingerprint.empty()) fingerprint = prevailing->Fingerprint;
    const auto run = recorded(*prevailing);
    pile.Run = run != expected.Runs.end() ? *run : RunOfCode(*prevailing);
    if (prevailing->Fingerprint != fingerprint)
      pile.Warnings.push_back(
          {TWarningKind::ChangedSincePrinted,
           {},
           "the test was changed after these sheets were printed: they are read with its questions and keys "
           "as they are now"});
  }

  std::vector<TWarning> pencil = PencilWarnings(pages);  // before the pages move to their sheets
  std::vector<TPartial> partials;
  std::map<TSheetKey, std::size_t> open;
  bool joinedByOrder = false;
  for (TScannedPage& page : pages) {
    const int at = int(&page - pages.data());
    const std::string place = PlaceOf(page.Source, page.Page);
    const TPageReading& r = page.Reading;
    if (!r.Read) {
      TProblem unread = Problem(TProblemKind::Unread, place, r.Code);
      unread.Reason = r.Problem;
      pile.Problems.push_back(std::move(unread));
      continue;
    }
    const auto& code = r.Code;
    if (code.Fingerprint != fingerprint && !printedAsRecorded(code)) {
      Add(pile.Problems, Problem(TProblemKind::OtherTest, place, code));
      continue;
    }
    if (!expected.Runs.empty() && recorded(code) == expected.Runs.end()) {
      Add(pile.Problems, Problem(TProblemKind::NotRecorded, place, code));
      continue;
    }
    if (unclear(code)) {
      Add(pile.Problems, Problem(TProblemKind::PrintUnclear, place, code));
      continue;
    }
    if (!SameRun(*pile.Run, code)) {
      Add(pile.Problems, Problem(TProblemKind::OtherRun, place, code));
      continue;
    }
    if (code.Version < 'A' || code.Version >= 'A' + code.Versions) {
      Add(pile.Problems, Problem(TProblemKind::NoSuchVersion, place, code));
      continue;
    }
    if (code.Join != SheetLayout::TJoin::ByOrder) {
      // Pages join by what each of them says, in whatever order they come.
      const bool photocopied = code.Join == SheetLayout::TJoin::ByNumber && code.Pages > 1;
      if (photocopied && !NumberKnown(r)) {
        TProblem unknown = Problem(TProblemKind::StudentUnknown, place, code);
        unknown.Crop = r.NumberCrop;
        unknown.Page = at;
        Add(pile.Problems, std::move(unknown));
        continue;
      }
      const std::string number = photocopied ? r.StudentNumber : std::string();
      // A photocopied sheet of one page is a sheet of its own.
      const bool alone = code.Join == SheetLayout::TJoin::ByNumber && code.Pages == 1;
      const std::size_t index =
          alone ? partials.size() : open.try_emplace(KeyOf(code, number), partials.size()).first->second;
      if (index == partials.size()) partials.push_back(Opened(code.Pages, number));
      TPartial& partial = partials[index];
      auto& slot = partial.Pages[std::size_t(code.Page - 1)];
      if (!slot) {
        slot = std::move(page);
        partial.Indices[std::size_t(code.Page - 1)] = at;
      } else {
        auto& places = partial.Twice[code.Page];
        if (places.empty()) places.push_back(PlaceOf(slot->Source, slot->Page));
        places.push_back(place);
      }
      continue;
    }
    // Sheets printed before serials say only which page they are: a first
    // page opens a sheet, and each later page joins the open sheet of its
    // kind.
    if (code.Pages > 1) joinedByOrder = true;
    const TSheetKey key = KeyOf(code, {});
    const auto found = open.find(key);
    if (code.Page == 1) {
      partials.push_back(Opened(code.Pages, {}));
      partials.back().Pages[0] = std::move(page);
      partials.back().Indices[0] = at;
      open[key] = partials.size() - 1;
      continue;
    }
    if (found == open.end() || partials[found->second].Pages[std::size_t(code.Page - 1)]) {
      Add(pile.Problems, Problem(TProblemKind::NoFirstPage, place, code));
      continue;
    }
    partials[found->second].Pages[std::size_t(code.Page - 1)] = std::move(page);
    partials[found->second].Indices[std::size_t(code.Page - 1)] = at;
  }
  for (TWarning& warning : pencil) pile.Warnings.push_back(std::move(warning));
  if (joinedByOrder)
    pile.Warnings.push_back(
        {TWarningKind::JoinedByOrder,
         {},
         "some sheets were printed before sheets had serials: their pages are joined by their order in the "
         "pile, so check that each sheet's pages lie together, first page first"});

  std::vector<TSheet> sheets;
  std::map<std::string, std::vector<std::size_t>> byNumber;
  for (const TPartial& partial : partials) {
    bool gradable = true;
    std::vector<int> doubtful;
    CheckSheet(partial, *pile.Run, pile.Problems, gradable, doubtful);
    if (!gradable) continue;
    const TScannedPage& first = *partial.Pages[0];
    TSheet sheet;
    sheet.Where = PlaceOf(first.Source, first.Page);
    sheet.Name = first.Reading.StudentNumber.empty() ? sheet.Where : first.Reading.StudentNumber;
    sheet.Version = first.Reading.Code.Version;
    sheet.First = partial.Indices[0];
    sheet.Doubtful = doubtful;
    for (const auto& page : partial.Pages)
      for (const TRowReading& row : page->Reading.Rows)
        sheet.Rows.push_back(std::find(doubtful.begin(), doubtful.end(), row.Printed) != doubtful.end()
                                 ? std::string()
                                 : row.Letters);
    if (!first.Reading.StudentNumber.empty()) byNumber[sheet.Name].push_back(sheets.size());
    sheets.push_back(std::move(sheet));
  }
  std::vector<bool> twice(sheets.size(), false);
  for (const auto& [number, indices] : byNumber) {
    if (indices.size() < 2) continue;
    std::vector<std::string> places;
    for (std::size_t i : indices) places.push_back(sheets[i].Where);
    for (std::size_t i : indices) {
      twice[i] = true;
      TProblem problem = Problem(TProblemKind::NumberTwice, sheets[i].Where, {});
      problem.Number = number;
      problem.Places = places;
      Add(pile.Problems, std::move(problem));
    }
  }
  for (std::size_t i = 0; i < sheets.size(); ++i)
    if (!twice[i])
      (sheets[i].Doubtful.empty() ? pile.Sheets : pile.Undecided).push_back(std::move(sheets[i]));
  return pile;
}

std::vector<TWarning> PencilWarnings(const std::vector<TScannedPage>& pages) {
  std::vector<TWarning> warnings;
  for (const TScannedPage& page : pages)
    if (page.Reading.Read && page.Reading.Level.Pencil) {
      std::string place = PlaceOf(page.Source, page.Page);
      warnings.push_back({TWarningKind::Pencil, place, place + ": read as pencil"});
    }
  return warnings;
}

std::string AnswersText(const TPile& pile) {
  std::vector<const TSheet*> sheets;
  for (const TSheet& sheet : pile.Sheets) sheets.push_back(&sheet);
  for (const TSheet& sheet : pile.Undecided) sheets.push_back(&sheet);
  std::stable_sort(sheets.begin(), sheets.end(),
                   [](const TSheet* a, const TSheet* b) { return a->First < b->First; });
  std::size_t questions = 0;
  for (const TSheet* sheet : sheets) questions = std::max(questions, sheet->Rows.size());
  std::vector<std::string> head{"Name", "Version"};
  for (std::size_t q = 1; q <= questions; ++q) head.push_back(std::to_string(q));
  const bool doubts = !pile.Undecided.empty();
  if (doubts) head.push_back("Doubtful");
  std::string text = Csv::FormatRecord(head);
  for (const TSheet* sheet : sheets) {
    std::vector<std::string> fields{sheet->Name, std::string(1, sheet->Version)};
    fields.insert(fields.end(), sheet->Rows.begin(), sheet->Rows.end());
    if (doubts) {
      fields.resize(2 + questions);
      std::string named;
      for (const int printed : sheet->Doubtful) named += (named.empty() ? "" : " ") + std::to_string(printed);
      fields.push_back(named);
    }
    text += Csv::FormatRecord(fields);
  }
  return text;
}

}  // namespace Scan
