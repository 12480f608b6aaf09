// The scanner over sheets as the painter prints them, filled and degraded by
// the shared sheet generator (its random marks and degradations), with the
// generator's truth: a box read against it in a row not flagged is a silent
// error, an ambiguous box in a flagged row is right.
//
//   quizwell_scan_printed_bench [PAGES]   (400 unless given)

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <string>

#include "core/scan/SheetReader.h"
#include "support/RenderedSheet.h"
#include "support/SheetGenerator.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication application(qtArgc, argv);
  const int pages = argc > 1 ? std::atoi(argv[1]) : 400;

  SheetLayout::TSheetCode code;
  code.Fingerprint = "00112233445566778899aabbccddeeff";
  code.Seed = 31;
  code.Versions = 2;
  code.StudentDigits = 6;
  code.AnswerCounts = std::string(40, '4');
  const SheetLayout::TSheetPage page = SheetLayout::Lay(code);
  const cv::Mat rendered = RenderedSheetMat(page, QStringLiteral("Cell biology"), 300);

  std::mt19937_64 random(2026);
  long twice = 0, refused = 0, boxes = 0, right = 0, silent = 0, cleanRows = 0, cleanDoubtful = 0;
  double ms = 0;
  for (int n = 0; n < pages; ++n) {
    const bool clean = n % 2 == 0;
    const auto marks = SheetGenerator::RandomMarks(page, clean, random);
    const auto generated = SheetGenerator::Generate(rendered, 300, page, marks,
                                                    SheetGenerator::RandomDegradation(random), random);
    const auto start = std::chrono::steady_clock::now();
    const Scan::TPageReading reading = Scan::ReadPage(generated.Image);
    ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    boxes += long(page.Answers.size());
    if (!reading.Read) {
      ++refused;
      std::printf("page %d refused: %s\n", n, reading.Problem.c_str());
      if (std::getenv("QUIZWELL_SCAN_DUMP")) {
        cv::Mat small;
        cv::resize(generated.Image, small, cv::Size(), 0.3, 0.3, cv::INTER_AREA);
        cv::imwrite(std::string(std::getenv("QUIZWELL_SCAN_DUMP")) + "/refused-" + std::to_string(n) + ".png",
                    small);
      }
      continue;
    }
    std::size_t box = 0;
    for (const Scan::TRowReading& row : reading.Rows) {
      // Rows the generator marks twice are doubtful by rule; the figure is
      // of the rest.
      int meantMarks = 0;
      for (std::size_t k = 0; k < row.States.size(); ++k) meantMarks += generated.AnswerMarked[box + k];
      if (meantMarks > 1) ++twice;
      if (clean && meantMarks <= 1) ++cleanRows, cleanDoubtful += row.Doubtful;
      if (clean && row.Doubtful && std::getenv("QUIZWELL_SCAN_DUMP")) {
        std::printf("page %d question %d:", n, row.Printed);
        for (std::size_t k = 0; k < row.States.size(); ++k)
          std::printf(" %.2f/%.2f/%.2f%s", row.Measures.Boxes[k].Fill, row.Measures.Boxes[k].Ink,
                      row.Measures.Boxes[k].Spread, generated.AnswerMarked[box + k] ? "*" : "");
        std::printf("\n");
      }
      for (std::size_t k = 0; k < row.States.size(); ++k) {
        const Scan::TBoxState state = row.States[k];
        const bool meant = generated.AnswerMarked[box], ambiguous = generated.AnswerAmbiguous[box];
        const bool read = state == Scan::TBoxState::Marked;
        if ((state != Scan::TBoxState::Doubtful && read == meant) || (ambiguous && row.Doubtful)) ++right;
        if (!row.Doubtful && state != Scan::TBoxState::Doubtful && read != meant) {
          ++silent;
          if (std::getenv("QUIZWELL_SCAN_DUMP"))
            std::printf("silent: page %d question %d box %zu mark %d fill %.2f meant %d\n", n, row.Printed,
                        box, int(marks.Answers[box]), row.Measures.Boxes[k].Fill, int(meant));
        }
        ++box;
      }
    }
  }
  std::printf(
      "printed sheets: %d pages (%ld refused), boxes read right %.3f%%, silent errors %ld, "
      "clean rows of at most one mark doubtful %.2f%%, rows marked twice (doubtful by rule) %ld, %.1f ms per "
      "page\n",
      pages, refused, 100.0 * double(right) / double(boxes), silent,
      100.0 * double(cleanDoubtful) / double(std::max(1L, cleanRows)), twice, ms / pages);
  return 0;
}
