#include "core/run/SheetLayout.h"

#include <algorithm>
#include <charconv>

namespace SheetLayout {

namespace {

constexpr std::string_view Magic = "QWS1";
constexpr double Mm = 72.0 / 25.4;

// The geometry, in millimetres from the page's top-left corner. Markers sit
// MarkerInset from the edges, clear of what copiers leave unprinted; all
// that is read lies inside the rectangle of their centres.
constexpr double MarkerSize = 8;
constexpr double MarkerInset = 8;
constexpr double MarkerCentre = MarkerInset + MarkerSize / 2;
constexpr double ContentInset = MarkerCentre + 2;  // left, right and top of what is read
constexpr double ContentBottomInset = MarkerInset + MarkerSize + 4;

constexpr double QrSide = 34;
constexpr double QrTop = 19;
constexpr double NameTop = 22;
constexpr double NameHeight = 12;
constexpr double NameGap = 5;  // between the name box and the QR code

// The student number: a column per digit, 0 to 9 downwards, the digits'
// labels left of the grid and a box to write the number above it.
constexpr double DigitLabelWidth = 5;
constexpr double DigitPitchX = 6.5;
constexpr double DigitPitchY = 6.5;
constexpr double DigitTop = 50;  // the top of digit 0's box

// Answer rows: a question number, then up to six boxes; rows fill a column
// top to bottom, then the next column.
constexpr double BoxSide = 4.5;
constexpr double BoxPitchX = 7;
constexpr double RowPitch = 7;
constexpr double NumberWidth = 9;
constexpr double LetterHeader = 5;  // the letters above each column
constexpr double AreaGap = 5;       // between the header blocks and the rows
constexpr int Columns = 3;

constexpr std::size_t FingerprintDigits = 32;
constexpr int MaxPages = 99;
constexpr int MaxSheet = 999999;
constexpr int MaxFirstQuestion = 9999;

struct TPaperSize {
  double Width, Height;  // points
};

TPaperSize PaperSize(TPaper paper) {
  return paper == TPaper::Letter ? TPaperSize{612, 792} : TPaperSize{595.2756, 841.8898};
}

TBox BoxMm(double centreX, double centreY, double width, double height) {
  return {centreX * Mm, centreY * Mm, width * Mm, height * Mm};
}

bool HasDigitGrid(const TSheetCode& code) {
  return code.Page == 1 && code.StudentDigits > 0;
}

double RowsTop(const TSheetCode& code) {
  const double header = HasDigitGrid(code) ? DigitTop + 10 * DigitPitchY : QrTop + QrSide;
  return header + AreaGap + LetterHeader;
}

int RowsPerColumn(const TSheetCode& code) {
  const double height = PaperSize(code.Paper).Height / Mm;
  return static_cast<int>((height - ContentBottomInset - RowsTop(code)) / RowPitch);
}

// Reading numbers: plain decimal digits, no sign, no leading zero.
template <class T>
std::optional<T> Number(std::string_view text) {
  if (text.empty() || text.size() > 18 || (text.size() > 1 && text[0] == '0')) return std::nullopt;
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> NumberIn(std::string_view text, int low, int high) {
  const auto value = Number<int>(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// Answer counts run-length coded, so a long page keeps a small code:
// "4x12.3.4x7" is twelve fours, a three and seven fours.
std::string EncodeCounts(const std::string& counts) {
  std::string text;
  for (std::size_t i = 0; i < counts.size();) {
    std::size_t run = 1;
    while (i + run < counts.size() && counts[i + run] == counts[i]) ++run;
    if (!text.empty()) text += '.';
    text += counts[i];
    if (run > 1) text += 'x' + std::to_string(run);
    i += run;
  }
  return text;
}

// Only the form EncodeCounts writes: no run of one, no two runs of a count.
std::optional<std::string> DecodeCounts(std::string_view text, std::size_t limit) {
  std::string counts;
  if (text.empty()) return counts;
  char previous = 0;
  for (const std::string_view run : Split(text, '.')) {
    if (run.empty() || run[0] < '0' || run[0] > char('0' + MaxAnswers) || run[0] == previous)
      return std::nullopt;
    std::size_t length = 1;
    if (run.size() > 1) {
      if (run[1] != 'x') return std::nullopt;
      const auto value = NumberIn(run.substr(2), 2, static_cast<int>(limit));
      if (!value) return std::nullopt;
      length = static_cast<std::size_t>(*value);
    }
    if (counts.size() + length > limit) return std::nullopt;
    counts.append(length, run[0]);
    previous = run[0];
  }
  return counts;
}

std::string_view ShuffleText(const TSheetCode& code) {
  return code.ShuffleQuestions ? (code.ShuffleAnswers ? "QA" : "Q") : (code.ShuffleAnswers ? "A" : "-");
}

}  // namespace

int Capacity(const TSheetCode& code) {
  return std::max(0, RowsPerColumn(code)) * Columns;
}

std::string Encode(const TSheetCode& code) {
  std::string text(Magic);
  const auto field = [&text](std::string_view value) {
    text += ';';
    text += value;
  };
  field(code.Fingerprint);
  field(std::to_string(code.Seed));
  field(std::to_string(code.Versions));
  field(ShuffleText(code));
  field(std::string(1, code.Version));
  field(std::to_string(code.Page) + '/' + std::to_string(code.Pages));
  field(std::to_string(code.Sheet));
  field(code.Paper == TPaper::Letter ? "L" : "A4");
  field(std::to_string(code.StudentDigits));
  field(std::to_string(code.FirstQuestion));
  field(EncodeCounts(code.AnswerCounts));
  return text;
}

std::optional<TSheetCode> Decode(std::string_view text) {
  const std::vector<std::string_view> fields = Split(text, ';');
  if (fields.size() != 12 || fields[0] != Magic) return std::nullopt;
  TSheetCode code;

  const std::string_view fingerprint = fields[1];
  if (fingerprint.size() != FingerprintDigits ||
      !std::all_of(fingerprint.begin(), fingerprint.end(),
                   [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }))
    return std::nullopt;
  code.Fingerprint = std::string(fingerprint);

  const auto seed = Number<std::uint64_t>(fields[2]);
  const auto versions = NumberIn(fields[3], 1, PaperVersions::MaxVersions);
  if (!seed || !versions) return std::nullopt;
  code.Seed = *seed;
  code.Versions = *versions;

  const std::string_view shuffle = fields[4];
  if (shuffle != "-" && shuffle != "Q" && shuffle != "A" && shuffle != "QA") return std::nullopt;
  code.ShuffleQuestions = shuffle.find('Q') != shuffle.npos;
  code.ShuffleAnswers = shuffle.find('A') != shuffle.npos;

  if (fields[5].size() != 1) return std::nullopt;
  const auto version = PaperVersions::VersionIndex(fields[5][0]);
  if (!version || *version >= code.Versions) return std::nullopt;
  code.Version = fields[5][0];

  const std::vector<std::string_view> page = Split(fields[6], '/');
  if (page.size() != 2) return std::nullopt;
  const auto pages = NumberIn(page[1], 1, MaxPages);
  const auto number = pages ? NumberIn(page[0], 1, *pages) : std::nullopt;
  const auto sheet = NumberIn(fields[7], 1, MaxSheet);
  if (!number || !sheet) return std::nullopt;
  code.Page = *number;
  code.Pages = *pages;
  code.Sheet = *sheet;

  if (fields[8] == "L") {
    code.Paper = TPaper::Letter;
  } else if (fields[8] != "A4") {
    return std::nullopt;
  }
  const auto digits = NumberIn(fields[9], 0, MaxStudentDigits);
  const auto first = NumberIn(fields[10], 1, MaxFirstQuestion);
  if (!digits || !first) return std::nullopt;
  code.StudentDigits = *digits;
  code.FirstQuestion = *first;

  // The rows must fit the page they claim to be on.
  auto counts = DecodeCounts(fields[11], static_cast<std::size_t>(Capacity(code)));
  if (!counts) return std::nullopt;
  code.AnswerCounts = std::move(*counts);
  return code;
}

TSheetPage Lay(const TSheetCode& code) {
  TSheetPage page;
  page.Code = code;
  const TPaperSize paper = PaperSize(code.Paper);
  page.Width = paper.Width;
  page.Height = paper.Height;
  const double width = paper.Width / Mm;
  const double height = paper.Height / Mm;

  const double near = MarkerCentre;
  page.Markers = {BoxMm(near, near, MarkerSize, MarkerSize),
                  BoxMm(width - near, near, MarkerSize, MarkerSize),
                  BoxMm(width - near, height - near, MarkerSize, MarkerSize),
                  BoxMm(near, height - near, MarkerSize, MarkerSize)};

  const double right = width - ContentInset;
  page.Qr = BoxMm(right - QrSide / 2, QrTop + QrSide / 2, QrSide, QrSide);
  const double nameRight = right - QrSide - NameGap;
  page.Name =
      BoxMm((ContentInset + nameRight) / 2, NameTop + NameHeight / 2, nameRight - ContentInset, NameHeight);

  if (HasDigitGrid(code)) {
    for (int column = 0; column < code.StudentDigits; ++column) {
      const double x = ContentInset + DigitLabelWidth + BoxSide / 2 + column * DigitPitchX;
      for (int digit = 0; digit <= 9; ++digit)
        page.Digits.push_back(
            {column, digit, BoxMm(x, DigitTop + BoxSide / 2 + digit * DigitPitchY, BoxSide, BoxSide)});
    }
  }

  const int rows = RowsPerColumn(code);
  const double columnPitch = (width - 2 * ContentInset) / Columns;
  const double top = RowsTop(code);
  const int count = std::min(static_cast<int>(code.AnswerCounts.size()), Capacity(code));
  for (int i = 0; i < count; ++i) {
    const double x = ContentInset + (i / rows) * columnPitch + NumberWidth + BoxSide / 2;
    const double y = top + (i % rows) * RowPitch + RowPitch / 2;
    const int answers = std::clamp(code.AnswerCounts[static_cast<std::size_t>(i)] - '0', 0, MaxAnswers);
    for (int a = 0; a < answers; ++a)
      page.Answers.push_back({code.FirstQuestion + i, static_cast<char>('A' + a),
                              BoxMm(x + a * BoxPitchX, y, BoxSide, BoxSide)});
  }
  return page;
}

std::vector<TSheetPage> LayVersion(const PaperVersions::TVersion& version, const TSheetCode& run) {
  std::string counts;
  for (const PaperVersions::TPaperQuestion& question : version.Questions)
    counts += static_cast<char>('0' + std::min<std::size_t>(question.Answers.size(), MaxAnswers));

  TSheetCode code = run;
  code.Version = version.Letter;
  // Split the rows: the first page may hold fewer, for the student number.
  std::vector<std::pair<std::size_t, std::size_t>> spans;  // first row, rows
  std::size_t start = 0;
  do {
    code.Page = static_cast<int>(spans.size()) + 1;
    const std::size_t rows = std::min(counts.size() - start, static_cast<std::size_t>(Capacity(code)));
    spans.emplace_back(start, rows);
    start += rows;
  } while (start < counts.size() && spans.back().second > 0);

  std::vector<TSheetPage> pages;
  for (std::size_t i = 0; i < spans.size(); ++i) {
    code.Page = static_cast<int>(i) + 1;
    code.Pages = static_cast<int>(spans.size());
    code.FirstQuestion = static_cast<int>(spans[i].first) + 1;
    code.AnswerCounts = counts.substr(spans[i].first, spans[i].second);
    pages.push_back(Lay(code));
  }
  return pages;
}

}  // namespace SheetLayout
