#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <ostream>

#include "core/results/GradeSheets.h"
#include "core/results/PrintRuns.h"
#include "core/scan/ScanInput.h"
#include "core/scan/ScanPile.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/IoError.h"
#include "tool/Commands.h"
#include "tool/Files.h"
#include "tool/OffscreenGui.h"
#include "tool/Tool.h"

namespace {

// A page per problem: where and why, and the crop of the row or number
// that is in doubt, large enough to read the marks.
std::string ReviewPdf(const std::vector<Scan::TProblem>& problems) {
  const TOffscreenGui gui;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(150);
    writer.setTitle("Answer sheets to review");
    QPainter painter(&writer);
    const QRect area = painter.viewport().adjusted(60, 60, -60, -60);
    int top = area.top();
    if (problems.empty())
      painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, "Every sheet was read: nothing to review.");
    for (const Scan::TProblem& problem : problems) {
      QImage crop;
      if (!problem.Crop.empty())
        crop = QImage(problem.Crop.data, problem.Crop.cols, problem.Crop.rows, int(problem.Crop.step),
                      QImage::Format_Grayscale8)
                   .scaledToWidth(std::min(area.width(), problem.Crop.cols * 2), Qt::SmoothTransformation);
      const int height = 60 + crop.height() + 30;
      if (top + height > area.bottom() && top > area.top()) {
        writer.newPage();
        top = area.top();
      }
      painter.drawText(QRect(area.left(), top, area.width(), 50), Qt::AlignLeft | Qt::TextWordWrap,
                       QString::fromStdString(problem.Where.empty() ? problem.Reason
                                                                    : problem.Where + ": " + problem.Reason));
      if (!crop.isNull()) painter.drawImage(QPoint(area.left(), top + 55), crop);
      top += height;
    }
  }
  return buffer.data().toStdString();
}

}  // namespace

int ScanCommand(TToolContext& context) {
  const auto output = context.Arguments.Value("-o");
  const auto review = context.Arguments.Value("--review");
  const auto testPath = context.Arguments.Value("--test");
  const bool record = context.Arguments.Has("--record");
  if (record && !testPath) {
    Report(context.Err, "scan --record needs --test TEST, the test the sheets were printed from");
    return ExitTrouble;
  }
  std::vector<std::string> inputs = context.Arguments.Operands;
  for (const auto& scan : inputs) RequireExistingFile(scan);
  if (testPath) inputs.push_back(*testPath);
  if (output) RequireOutput(context, *output, TFileKind::Other, inputs);
  if (output) inputs.push_back(*output);  // the review never goes over the answers
  if (review) RequireOutput(context, *review, TFileKind::Other, inputs);

  // What the sheets are checked against: the test as it is and the runs
  // recorded for it.
  Scan::TExpected expected;
  PaperVersions::TPaperTest test;
  std::vector<TPrintRun> runs;
  if (testPath) {
    RequireExistingFile(*testPath);
    RequireTest(*testPath);
    test = PaperVersions::ReadPaperTest(*testPath);
    std::vector<std::string> notices;
    runs = PrintRuns::OfferedRuns(*testPath, notices);
    for (const std::string& notice : notices) Report(context.Err, notice);
    expected = Scan::ExpectedOf(test.Questions, Fingerprint(TestSnapshots(test.Questions)), runs);
    if (expected.Runs.empty()) {
      Report(context.Err, *testPath + ": no print of the test is recorded; its sheets cannot be checked");
      return ExitTrouble;
    }
  }

  // Each page is read as it is loaded and let go; a pile of any length
  // keeps only what was read and the crops of rows in doubt.
  std::vector<Scan::TScannedPage> pages;
  std::vector<Scan::TProblem> fileProblems;
  for (const auto& scan : context.Arguments.Operands) {
    const Scan::TLoadOutcome outcome = Scan::ForEachPage(scan, [&](Scan::TScanPage&& page) {
      pages.push_back({page.Source, page.Page, Scan::ReadPage(page.Gray)});
    });
    if (outcome.Kind != Scan::TLoad::Done)
      fileProblems.push_back({"", outcome.Sentence, {}});  // it names the file
  }
  Scan::TPile pile = Scan::Assemble(std::move(pages), expected);
  pile.Problems.insert(pile.Problems.begin(), fileProblems.begin(), fileProblems.end());

  for (const Scan::TWarning& warning : pile.Warnings) Report(context.Err, "warning: " + warning.Sentence);
  for (const Scan::TProblem& problem : pile.Problems)
    Report(context.Err, problem.Where.empty() ? problem.Reason : problem.Where + ": " + problem.Reason);
  const std::string answers = Scan::AnswersText(pile);
  // Written even when all is well, so an older review is never taken for this one.
  if (review) ReplaceFileAtomically(*review, ReviewPdf(pile.Problems));
  if (output)
    ReplaceFileAtomically(*output, answers);
  else
    context.Out << answers;
  const std::size_t written = pile.Sheets.size() + pile.Undecided.size();
  Report(context.Err, std::to_string(pile.Pages) + " pages read, " + std::to_string(written) +
                          " sheets written" +
                          (pile.Undecided.empty() ? std::string()
                                                  : " (" + std::to_string(pile.Undecided.size()) +
                                                        " with rows in doubt, left blank and named)") +
                          ", " + std::to_string(pile.Problems.size()) + " to review");

  // What should be checked before the scores are trusted is a finding, as
  // grade counts it.
  bool findings = !pile.Problems.empty() || !pile.Warnings.empty();
  if (record && !pile.Sheets.empty()) {
    try {
      const TGradedSheets graded = GradeSheets(answers, *testPath, test, pile.Run->Options, runs);
      for (const TGradeWarning& warning : graded.Warnings) Report(context.Err, warning.Sentence);
      findings = findings || !graded.Warnings.empty();
      const TRecordedGrades recorded = RecordGrades(graded, *testPath, TAttemptSource::Scan);
      for (const std::string& notice : recorded.Notices) Report(context.Err, notice);
      Report(context.Err, RecordedWords(recorded));
    } catch (const Grading::TGradingError& error) {
      Report(context.Err, std::string("the sheets read cannot be graded: ") + error.what());
      return ExitTrouble;
    }
  }
  return findings ? ExitFindings : ExitOk;
}
