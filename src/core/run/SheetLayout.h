#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/run/PaperVersions.h"

// Machine-readable answer sheets: where every box of a sheet page lies, as a
// pure function of what the page's QR code says. The painter draws from it,
// the scanner reads from it and the layout file lists it, so the three can
// never disagree.
namespace SheetLayout {

enum class TPaper { A4, Letter };

inline constexpr int MaxStudentDigits = 12;
inline constexpr int MaxAnswers = 6;  // boxes in a row, A to F
inline constexpr int MaxSheetsPerVersion = 1000;

// How the pages of one sheet are known to belong together.
enum class TJoin {
  BySerial,  // a sheet per student: every page carries the sheet's serial
  ByNumber,  // one sheet to photocopy: every page carries the student number
  ByOrder,   // printed before sheets had serials: only their order in the pile
};

// What a sheet page's QR code holds: enough to lay the page out again and to
// grade it, with no other file at hand.
struct TSheetCode {
  std::string Fingerprint;  // of the test as printed: 32 hexadecimal digits
  // The printed run.
  std::uint64_t Seed = 0;
  int Versions = 1;
  bool ShuffleQuestions = false;
  bool ShuffleAnswers = false;
  char Version = 'A';
  // Where the page stands among the sheet's pages, 1-based.
  int Page = 1;
  int Pages = 1;
  TJoin Join = TJoin::BySerial;
  // BySerial: the sheet's serial, unique within its run (1..); ByNumber: 0;
  // ByOrder: the number the sheet was printed with, 1.
  int Sheet = 1;
  TPaper Paper = TPaper::A4;
  // Boxes for a student number, on the first page of a sheet with a serial
  // and on every page of the others; 0: none.
  int StudentDigits = 0;
  // The page's rows: the printed number of its first question, and per
  // question the number of answers printed ('0'..'6').
  int FirstQuestion = 1;
  std::string AnswerCounts;

  bool operator==(const TSheetCode&) const = default;
};

// The code as QR text ("QWS2;...", "QWS1;..." for ByOrder), and back; nothing for a text that is not
// a well-formed sheet code in the form Encode writes, whose numbers are out
// of range (a version beyond the run's, a page beyond the pages, more digits
// than MaxStudentDigits) or whose rows do not fit its page.
std::string Encode(const TSheetCode& code);
std::optional<TSheetCode> Decode(std::string_view text);

// How many rows of answers the page of code holds: fewer on a first page with
// a student number, fewer on Letter than on A4.
int Capacity(const TSheetCode& code);

// A rectangle by its centre and size, in PDF points (1/72 inch) from the
// page's top-left corner, y downwards.
struct TBox {
  double X = 0;
  double Y = 0;
  double Width = 0;
  double Height = 0;
};

struct TAnswerBox {
  int Printed = 0;    // the question's printed number, 1-based
  char Letter = 'A';  // the printed letter
  TBox Box;
};

struct TDigitBox {
  int Column = 0;  // 0 = the student number's first digit
  int Digit = 0;   // 0..9
  TBox Box;
};

struct TSheetPage {
  TSheetCode Code;
  double Width = 0;  // the paper, in points
  double Height = 0;
  std::array<TBox, 4> Markers;  // top-left, top-right, bottom-right, bottom-left
  TBox Qr;
  TBox Name;                        // where the student writes the name (every page)
  std::vector<TAnswerBox> Answers;  // row by row, A first
  std::vector<TDigitBox> Digits;    // column by column, 0 first
};

// The page a code describes: markers, QR code and name box on every page,
// the student number's grid on the first, then the rows in three columns,
// each filled top to bottom. Every box lies inside the rectangle of the
// markers' centres and no two overlap. Rows beyond Capacity() are not laid
// out; Decode and LayVersion never give such a code.
TSheetPage Lay(const TSheetCode& code);

// Every sheet page of one printed version, split so that each page holds as
// many rows as fit. run carries the fingerprint, the printed run, how the
// pages join and the sheet's serial.
std::vector<TSheetPage> LayVersion(const PaperVersions::TVersion& version, const TSheetCode& run);

// The code of a version's sheet (both 0-based) of a run that prints sheets
// of them per version: one sheet is a sheet to photocopy (ByNumber), more
// are numbered version by version from 1, unique within the run.
TSheetCode SheetOf(const TSheetCode& run, int version, int sheet, int sheets);

// Every page of sheets answer sheets per version (1..MaxSheetsPerVersion),
// version by version, each sheet's pages together, coded as SheetOf says.
std::vector<TSheetPage> LayRun(const std::vector<PaperVersions::TVersion>& versions, const TSheetCode& run,
                               int sheets);

// Why pages cannot be printed as they are laid out: a sheet of several pages
// to photocopy without a student number, whose pages nothing could join.
// UnjoinablePages gives that sheet's pages, 0 when they can be printed;
// UnjoinableSentence says it in English for a sheet of so many pages ("" for
// 0), and Unjoinable for the pages.
int UnjoinablePages(const std::vector<TSheetPage>& pages);
std::string UnjoinableSentence(int sheetPages);
std::string Unjoinable(const std::vector<TSheetPage>& pages);

// The layout file: every page of pages as one JSON object (UTF-8, LF line
// ends), each box by its centre and size in points, each answer box with its
// question's printed and stored numbers (1-based) and its printed and stored
// letters, looked up in versions by the page's version letter. A page whose
// version is not among versions lists its answers without stored ones.
std::string LayoutJson(const std::vector<TSheetPage>& pages,
                       const std::vector<PaperVersions::TVersion>& versions);

}  // namespace SheetLayout
