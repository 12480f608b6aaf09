#pragma once

#include <QString>
#include <QStringList>

#include "core/run/PaperVersions.h"

class QPagedPaintDevice;

// What a paper test prints, beside its versions.
struct TPrintOptions {
  PaperVersions::TOptions Versions;
  bool Questions = true;
  bool Header = true;  // a line for name, date and class on each version's first page
  bool BeginMessage = true;
  bool AnswerSheet = false;  // a row of boxes per question, on its own pages per version
  bool AnswerKeys = false;   // each version's key, on its own pages after all versions
};

// Lays out a paper test onto any paged device (QPdfWriter, QPrinter). Every
// page carries the test's description, the version and its page number; a
// question, its picture, hot link and answers stay together on one page.
class TTestPrinter {
public:
  TTestPrinter(const PaperVersions::TPaperTest& test, const TPrintOptions& options);

  // Paints every page onto device, which must be fresh (its first page not
  // yet painted). Returns the number of pages, 0 when the device cannot be
  // painted on.
  int Print(QPagedPaintDevice& device) const;

  // Writes the pages as a PDF at path, on A4 or Letter as the locale
  // measures. Returns the number of pages; 0 when the file cannot be written.
  // The PDF goes to a temporary file first and replaces path only when whole.
  int WritePdf(const QString& path) const;

  const std::vector<PaperVersions::TVersion>& Versions() const { return PaperVersionsMade; }

  // The pictures the printed questions name that are not printed, one line
  // each: "question 3: the picture \MEDIA\PIC.BMP was not found" (or "cannot
  // be read: " and the reason). Empty when every picture prints, or the
  // questions are not printed. Media that are no pictures are not printed
  // and not named.
  QStringList MissingPictures() const;

private:
  const PaperVersions::TPaperTest& Test;
  TPrintOptions Options;
  std::vector<PaperVersions::TVersion> PaperVersionsMade;
};
