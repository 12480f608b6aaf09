#pragma once

#include <QString>
#include <QStringList>

#include "core/run/PaperVersions.h"
#include "core/run/SheetLayout.h"

class QPagedPaintDevice;

// What a paper test prints, beside its versions.
struct TPrintOptions {
  PaperVersions::TOptions Versions;
  bool Questions = true;
  bool Header = true;  // a line for name, date and class on each version's first page
  bool BeginMessage = true;
  // Machine-readable answer sheets, on their own pages per version: a row of
  // boxes per question, StudentDigits columns of boxes for a student number
  // (0 for none) and a QR code naming the test by Fingerprint (the results
  // store's fingerprint of its questions) and the printed run.
  // SheetsPerVersion sheets per version, each with its own serial so that
  // a sheet's pages find each other in any order; 1 prints one sheet to
  // photocopy, whose pages each carry the student number instead.
  bool AnswerSheet = false;
  int StudentDigits = 0;
  int SheetsPerVersion = 1;
  std::string Fingerprint;
  bool AnswerKeys = false;  // each version's key, on its own pages after all versions
  // The test's direction, which orders the page: right to left puts numbers,
  // letters and the header's parts on the right. Auto takes it from the
  // test's texts. Each paragraph runs in the direction of its own text.
  Qt::LayoutDirection Direction = Qt::LayoutDirectionAuto;
};

// Lays out a paper test onto any paged device (QPdfWriter, QPrinter). Every
// page carries the test's description, the version and its page number; a
// question, its picture, hot link and answers stay together on one page.
class TTestPrinter {
public:
  // How the test's stored texts become the page's.
  using TDecode = QString (*)(const std::string& text);

  // decode reads the test's texts; nothing for the core's text conversion.
  TTestPrinter(const PaperVersions::TPaperTest& test, const TPrintOptions& options, TDecode decode = nullptr);

  // Paints every page onto device, which must be fresh (its first page not
  // yet painted). Returns the number of pages, 0 when the device cannot be
  // painted on.
  int Print(QPagedPaintDevice& device) const;

  // Writes the pages as a PDF at path, on PdfPaper(). Returns the number of pages; 0 when the file cannot be
  // written. The PDF goes to a temporary file first and replaces path only when whole.
  int WritePdf(const QString& path) const;

  const std::vector<PaperVersions::TVersion>& Versions() const { return PaperVersionsMade; }

  // A4 or Letter, as the locale measures.
  static SheetLayout::TPaper PdfPaper();

  // The answer sheets' pages of every version on paper, as Print paints them
  // when the options ask for sheets (version by version, sheet by sheet);
  // empty when they do not.
  std::vector<SheetLayout::TSheetPage> Sheets(SheetLayout::TPaper paper) const;

  // Why the answer sheets asked for cannot be printed (see
  // SheetLayout::Unjoinable), on either paper; empty when they can.
  std::string SheetsRefusal() const;
  // The pages of a sheet that cannot be printed so (see
  // SheetLayout::UnjoinablePages), on either paper; 0 when they can.
  int UnjoinablePages() const;

  // The pictures the printed questions name that are not printed, one line
  // each: "question 3: the picture \MEDIA\PIC.BMP was not found" (or "cannot
  // be read: " and the reason). Empty when every picture prints, or the
  // questions are not printed. Media that are no pictures are not printed
  // and not named.
  QStringList MissingPictures() const;

private:
  // The run's sheet code on paper, before the version, sheet and page.
  SheetLayout::TSheetCode RunCode(SheetLayout::TPaper paper) const;
  int SheetsPerVersion() const;
  // The test's text as printed: '\n' for each stored line break.
  QString Text(const std::string& stored) const;
  Qt::LayoutDirection Direction() const;

  const PaperVersions::TPaperTest& Test;
  TPrintOptions Options;
  TDecode Decode;
  std::vector<PaperVersions::TVersion> PaperVersionsMade;
};
