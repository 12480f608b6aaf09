#include "core/run/SheetLayout.h"

#include <algorithm>
#include <charconv>

#include "core/storage/Json.h"

namespace SheetLayout {

namespace {

constexpr std::string_view Magic = "QWS2";
constexpr std::string_view OrderMagic = "QWS1";  // sheets printed before serials
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
  return code.StudentDigits > 0 && (code.Page == 1 || code.Join == TJoin::ByNumber);
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

// Answer counts a digit per question, a run of three or more written as the
// digit, 'x', its length and '.', so a long page keeps a small code:
// "4x12.34x7." is twelve fours, a three and seven fours.
std::string EncodeCounts(const std::string& counts) {
  std::string text;
  for (std::size_t i = 0; i < counts.size();) {
    std::size_t run = 1;
    while (i + run < counts.size() && counts[i + run] == counts[i]) ++run;
    if (run >= 3) {
      text += counts[i] + ("x" + std::to_string(run)) + '.';
    } else {
      text.append(run, counts[i]);
    }
    i += run;
  }
  return text;
}

// Only the form EncodeCounts writes, and no more than limit counts.
std::optional<std::string> DecodeCounts(std::string_view text, std::size_t limit) {
  std::string counts;
  for (std::size_t i = 0; i < text.size();) {
    const char count = text[i++];
    if (count < '0' || count > char('0' + MaxAnswers)) return std::nullopt;
    std::size_t length = 1;
    if (i < text.size() && text[i] == 'x') {
      const std::size_t end = text.find('.', i);
      if (end == std::string_view::npos) return std::nullopt;
      const auto value = NumberIn(text.substr(i + 1, end - i - 1), 3, static_cast<int>(limit));
      if (!value) return std::nullopt;
      length = static_cast<std::size_t>(*value);
      i = end + 1;
    }
    if (counts.size() + length > limit) return std::nullopt;
    counts.append(length, count);
  }
  if (EncodeCounts(counts) != text) return std::nullopt;
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
  std::string text(code.Join == TJoin::ByOrder ? OrderMagic : Magic);
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
  field(std::to_string(code.Join == TJoin::ByNumber ? 0 : code.Sheet));
  field(code.Paper == TPaper::Letter ? "L" : "A4");
  field(std::to_string(code.StudentDigits));
  field(std::to_string(code.FirstQuestion));
  field(EncodeCounts(code.AnswerCounts));
  return text;
}

std::optional<TSheetCode> Decode(std::string_view text) {
  const std::vector<std::string_view> fields = Split(text, ';');
  if (fields.size() != 12 || (fields[0] != Magic && fields[0] != OrderMagic)) return std::nullopt;
  TSheetCode code;
  code.Join = fields[0] == OrderMagic ? TJoin::ByOrder : TJoin::BySerial;

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
  const bool photocopied = code.Join == TJoin::BySerial && fields[7] == "0";
  const auto sheet = photocopied ? std::optional<int>(0) : NumberIn(fields[7], 1, MaxSheet);
  if (!number || !sheet) return std::nullopt;
  if (photocopied) code.Join = TJoin::ByNumber;
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

TSheetCode SheetOf(const TSheetCode& run, int version, int sheet, int sheets) {
  TSheetCode code = run;
  code.Join = sheets == 1 ? TJoin::ByNumber : TJoin::BySerial;
  code.Sheet = sheets == 1 ? 0 : version * sheets + sheet + 1;
  return code;
}

std::vector<TSheetPage> LayRun(const std::vector<PaperVersions::TVersion>& versions, const TSheetCode& run,
                               int sheets) {
  sheets = std::clamp(sheets, 1, MaxSheetsPerVersion);
  std::vector<TSheetPage> pages;
  for (std::size_t v = 0; v < versions.size(); ++v) {
    for (int sheet = 0; sheet < sheets; ++sheet) {
      auto laid = LayVersion(versions[v], SheetOf(run, static_cast<int>(v), sheet, sheets));
      pages.insert(pages.end(), std::make_move_iterator(laid.begin()), std::make_move_iterator(laid.end()));
    }
  }
  return pages;
}

int UnjoinablePages(const std::vector<TSheetPage>& pages) {
  for (const TSheetPage& page : pages)
    if (page.Code.Join == TJoin::ByNumber && page.Code.Pages > 1 && page.Code.StudentDigits == 0)
      return page.Code.Pages;
  return 0;
}

std::string UnjoinableSentence(int sheetPages) {
  if (sheetPages == 0) return {};
  return "A sheet of " + std::to_string(sheetPages) +
         " pages to photocopy needs a student number on every page to put its pages together: "
         "give the student number digits, or print a sheet per student.";
}

std::string Unjoinable(const std::vector<TSheetPage>& pages) {
  return UnjoinableSentence(UnjoinablePages(pages));
}

namespace {

Json::TValue BoxJson(const TBox& box, Json::TValue fields = Json::TValue::object()) {
  fields["x"] = Json::Decimal(box.X, 2);
  fields["y"] = Json::Decimal(box.Y, 2);
  fields["width"] = Json::Decimal(box.Width, 2);
  fields["height"] = Json::Decimal(box.Height, 2);
  return fields;
}

const char* JoinWord(TJoin join) {
  return join == TJoin::BySerial ? "serial" : join == TJoin::ByNumber ? "student number" : "order";
}

Json::TValue PageJson(const TSheetPage& page, const std::vector<PaperVersions::TVersion>& versions) {
  const TSheetCode& code = page.Code;
  const PaperVersions::TVersion* version = nullptr;
  for (const PaperVersions::TVersion& candidate : versions)
    if (candidate.Letter == code.Version) version = &candidate;
  Json::TValue markers = Json::TValue::array();
  for (const TBox& marker : page.Markers) markers.push_back(BoxJson(marker));
  Json::TValue answers = Json::TValue::array();
  for (const TAnswerBox& answer : page.Answers) {
    Json::TValue fields = {{"printed", answer.Printed}};
    const auto index = static_cast<std::size_t>(answer.Printed - 1);
    const auto letter = static_cast<std::size_t>(answer.Letter - 'A');
    if (version && index < version->Questions.size()) {
      const PaperVersions::TPaperQuestion& question = version->Questions[index];
      fields["stored"] = question.Source + 1;
      if (letter < question.Answers.size())
        fields["storedLetter"] = std::string(1, static_cast<char>('A' + question.Answers[letter]));
    }
    fields["letter"] = std::string(1, answer.Letter);
    answers.push_back(BoxJson(answer.Box, std::move(fields)));
  }
  Json::TValue digits = Json::TValue::array();
  for (const TDigitBox& digit : page.Digits)
    digits.push_back(BoxJson(digit.Box, {{"column", digit.Column}, {"digit", digit.Digit}}));
  return {{"version", std::string(1, code.Version)},
          {"page", code.Page},
          {"pages", code.Pages},
          {"sheet", code.Sheet},
          {"joined", JoinWord(code.Join)},
          {"paper", code.Paper == TPaper::Letter ? "Letter" : "A4"},
          {"width", Json::Decimal(page.Width, 2)},
          {"height", Json::Decimal(page.Height, 2)},
          {"qrText", Encode(code)},
          {"qr", BoxJson(page.Qr)},
          {"name", BoxJson(page.Name)},
          {"markers", markers},
          {"answers", answers},
          {"digits", digits}};
}

}  // namespace

std::string LayoutJson(const std::vector<TSheetPage>& pages,
                       const std::vector<PaperVersions::TVersion>& versions) {
  Json::TValue json = {{"unit", "pt"}, {"pages", Json::TValue::array()}};
  for (const TSheetPage& page : pages) json["pages"].push_back(PageJson(page, versions));
  return Json::Write(json, {.Layout = Json::TLayout::Indented, .PlainRunsOnOneLine = true}) + "\n";
}

}  // namespace SheetLayout
