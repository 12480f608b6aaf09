#include "core/exchange/FormatParts.h"

#include <algorithm>

#include "core/storage/IniSyntax.h"

namespace FormatParts {

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

int LetterIndex(char letter) {
  if (letter >= 'a' && letter <= 'f') return letter - 'a';
  if (letter >= 'A' && letter <= 'F') return letter - 'A';
  return -1;
}

std::string CorrectLetters(const QuestionRecord& record) {
  std::string letters;
  for (int i = 0; i < AnswerCount; ++i) {
    if (record.Answer(i).empty()) continue;
    for (char c : record.Correct) {
      if (LetterIndex(c) == i) {
        letters += Letter(i);
        break;
      }
    }
  }
  return letters;
}

std::string ReplaceLineBreaks(std::string_view text, std::string_view replacement) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result += replacement;
    } else {
      result += text[i];
    }
  }
  return result;
}

void ReportUncarried(int question, const QuestionRecord& record, TCarried carried, TLossReport& report) {
  if (!carried.Reference && !record.Reference.empty()) report.Add(question, "reference dropped");
  if (!carried.HotLink && !record.HotLink.empty()) report.Add(question, "hot link dropped");
  if (!record.HotLinkParameters.empty()) report.Add(question, "hot link parameters dropped");
  if (!carried.MediaFile && !record.MediaFile.empty()) report.Add(question, "media file dropped");
  if (record.MMediaInternal) report.Add(question, "internal media setting dropped");
  ReportUncarriedPlace(question, record, carried, report);
}

void ReportUncarriedPlace(int question, const QuestionRecord& record, TCarried carried, TLossReport& report) {
  if (!carried.Category && !record.Category.empty())
    report.Add(question, "category \"" + record.Category + "\" dropped");
  if (!carried.Tags && !record.Tags.empty()) report.Add(question, "tags dropped");
}

std::vector<std::string> CategoryParts(std::string_view path) {
  path = Trim(path);
  if (path.starts_with('$')) {
    const size_t close = path.find('$', 1);
    if (close != std::string_view::npos && (close + 1 == path.size() || path[close + 1] == '/'))
      path.remove_prefix(std::min(close + 2, path.size()));
  }
  std::vector<std::string> parts;
  std::string part;
  const auto close = [&] {
    const std::string_view trimmed = Trim(part);
    if (!trimmed.empty() &&
        !(parts.empty() && IniSyntax::EqualNoCase(trimmed, "top") && part.size() == trimmed.size()))
      parts.emplace_back(trimmed);
    part.clear();
  };
  for (size_t i = 0; i < path.size(); ++i) {
    if (path[i] != '/') {
      part += path[i];
    } else if (i + 1 < path.size() && path[i + 1] == '/') {
      part += '/';
      ++i;
    } else {
      close();
    }
  }
  close();
  return parts;
}

std::string CategoryOfPath(std::string_view path) {
  std::string category;
  for (const std::string& part : CategoryParts(path)) category += (category.empty() ? "" : "/") + part;
  return category;
}

std::string CoursePath(std::string_view category) {
  return "$course$/top" + std::string(category.empty() ? "" : "/") + std::string(category);
}

TCategoryLines::TCategoryLines(const std::vector<QuestionRecord>& questions, bool description)
    : Filing(std::any_of(questions.begin(), questions.end(),
                         [](const QuestionRecord& record) { return !record.Category.empty(); })),
      Named(description) {}

std::vector<std::string> TCategoryLines::Before(std::string_view category) {
  if (!Filing || (Written && category == Current)) return {};
  // Without the test's name first, a single line would read as that name:
  // the top of the course opens the file.
  std::vector<std::string> lines;
  if (!Written && !Named && !category.empty()) lines.push_back(CoursePath({}));
  lines.push_back(CoursePath(category));
  Written = true;
  Current = category;
  return lines;
}

QuestionDraw::TBlueprint BlueprintOf(const TTestContents& contents) {
  for (const TTestContents::TSetting& setting : contents.Settings)
    if (setting.Key == TestFile::Blueprint && setting.Value)
      return QuestionDraw::Parse(*setting.Value).Blueprint;
  return {};
}

void ImportBlueprint(const QuestionDraw::TBlueprint& blueprint, TImportedTest& test, TLossReport& report) {
  if (blueprint.Empty()) return;
  const QuestionDraw::TChecked checked = QuestionDraw::Check(QuestionDraw::Text(blueprint), test.Questions);
  for (const QuestionDraw::TProblem& refusal : checked.Refusals)
    report.Add(0, "blueprint not imported: " + QuestionDraw::Sentence(refusal));
  if (checked.Refusals.empty()) test.Settings.emplace_back(TestFile::Blueprint, checked.Text);
}

void ReportUnheldRows(const QuestionDraw::TBlueprint& blueprint, std::string_view format, bool nested,
                      TLossReport& report) {
  for (const QuestionDraw::TRow& row : blueprint.Rows) {
    const std::string line = "blueprint line \"" + QuestionDraw::Text({{row}}) + "\": ";
    if (row.EachTag) report.Add(0, line + std::string(format) + " cannot ask for one question of each tag");
    if (nested) continue;
    for (const QuestionDraw::TRow& other : blueprint.Rows)
      if (&other != &row && QuestionDraw::InCategory(other.Category, row.Category)) {
        report.Add(0, line + std::string(format) + " also draws from \"" + other.Category + "\"");
        break;
      }
  }
}

bool HasContent(const QuestionRecord& record) {
  if (!record.Question.empty()) return true;
  for (int i = 0; i < AnswerCount; ++i) {
    if (!record.Answer(i).empty()) return true;
  }
  return false;
}

TOfferedAnswers OfferedAnswers(const QuestionRecord& record) {
  TOfferedAnswers offered;
  for (int i = 0; i < AnswerCount; ++i)
    if (!record.Answer(i).empty()) offered.Count = i + 1;
  for (char letter : record.Correct)
    if (letter >= 'A' && letter < 'A' + offered.Count && offered.Correct.find(letter) == std::string::npos)
      offered.Correct += letter;
  return offered;
}

namespace {

// A setting as the settings window names it, and what a test that never had
// the key set behaves as.
struct TSettingWords {
  std::string_view Key, Label, Usual;
};

constexpr TSettingWords SettingWords[] = {
    {TestFile::Desc, "Test Description", ""},
    {TestFile::Time, "Time Allowed", "00:00:00"},
    {TestFile::CheckAnswers, "Answer Checking", "1"},
    {TestFile::RandomQuestions, "Question Ordering", "1"},
    {TestFile::MustAnswer, "Answer Requirement", "0"},
    {TestFile::PassPoint, "Pass Point", "0"},
    {TestFile::MaxQuestions, "Maximum Questions", "0"},
    {TestFile::StudentMax, "Allow student to specify maximum questions", "0"},
    {TestFile::TimerType, "Time Display", "0"},
    {TestFile::ReviewAllow, "Test Review", "1"},
    {TestFile::ReviewBlank, "Allow review of skipped questions", "1"},
    {TestFile::TestHot, "Allow hot links during test", "1"},
    {TestFile::TestRef, "Show references while taking test", "1"},
    {TestFile::ReviewHot, "Allow hot links during review", "1"},
    {TestFile::ReviewRef, "Show references during review", "1"},
    {TestFile::Blueprint, "Question Bank", ""},
};

const TSettingWords* WordsOf(std::string_view key) {
  for (const TSettingWords& words : SettingWords)
    if (words.Key == key) return &words;
  return nullptr;
}

}  // namespace

std::string_view SettingLabel(std::string_view key) {
  const TSettingWords* words = WordsOf(key);
  return words ? words->Label : key;
}

std::string UncarriedSettings(const TTestContents& contents,
                              std::initializer_list<std::string_view> carried) {
  std::string labels;
  for (const TTestContents::TSetting& setting : contents.Settings) {
    if (!setting.Value || setting.Key == TestFile::Desc ||
        std::find(carried.begin(), carried.end(), setting.Key) != carried.end())
      continue;
    const TSettingWords* words = WordsOf(setting.Key);
    if (words && (*setting.Value == words->Usual || (setting.Key == TestFile::Time && *setting.Value == "0")))
      continue;
    labels += (labels.empty() ? "" : ", ") + std::string(SettingLabel(setting.Key));
  }
  return labels;
}

void ReportUncarriedTest(const TExportedTest& test, std::string_view format, bool description,
                         TLossReport& report, std::initializer_list<std::string_view> carried) {
  const std::string holds = ": " + std::string(format) + " holds questions only";
  // A new test's own description is no loss.
  const std::string_view usual = TestFile::SettingKeys[0].NewTest;
  static_assert(TestFile::SettingKeys[0].Name == TestFile::Desc);
  if (!description && !test.Description.empty() && test.Description != usual)
    report.Add(0, "test description dropped" + holds);
  if (!test.Contents.BeginMessage.empty() || !test.Contents.EndMessage.empty())
    report.Add(0, "begin and end messages dropped" + holds);
  if (const std::string keys = UncarriedSettings(test.Contents, carried); !keys.empty())
    report.Add(0, "settings not carried: " + keys);
}

}  // namespace FormatParts
