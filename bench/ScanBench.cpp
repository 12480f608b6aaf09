// The scanner over generated sheet pages of every kind a pile holds: how
// many boxes are read right, how many are read wrong without being flagged,
// how many rows of clean fills are flagged, and the time per page. Prints a
// table; the figures go into docs/PERFORMANCE.md.
//
//   quizwell_scan_bench [PAGES]   (2,000 unless given)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/scan/FakeSheet.h"
#include "core/scan/SheetReader.h"

using FakeSheet::TDegrade;
using FakeSheet::TFill;

namespace {

struct TKind {
  const char* Name;
  bool CleanFills;
};

const TKind Kinds[] = {{"clean, 300 dpi", true},
                       {"150 dpi", true},
                       {"200 dpi, JPEG 50", true},
                       {"turned up to 10 degrees", true},
                       {"scaled, blurred, noisy", true},
                       {"upside down", true},
                       {"photographed, dark border", true},
                       {"students' marks, stray marks, coffee", false}};

struct TTally {
  long Pages = 0, Refused = 0, Boxes = 0, Right = 0, Silent = 0, Rows = 0, DoubtfulRows = 0;
  double Ms = 0;
};

TDegrade DegradeFor(int kind, std::mt19937& rng) {
  std::uniform_real_distribution<double> unit(0, 1);
  TDegrade d;
  switch (kind) {
    case 1:
      d.Dpi = 150;
      break;
    case 2:
      d.Dpi = 200;
      d.JpegQuality = 50;
      break;
    case 3:
      d.Angle = (unit(rng) * 2 - 1) * 10;
      break;
    case 4:
      d.Scale = 0.95 + 0.1 * unit(rng);
      d.Blur = 0.5 + unit(rng);
      d.Noise = 4 + 8 * unit(rng);
      break;
    case 5:
      d.UpsideDown = true;
      d.Angle = (unit(rng) * 2 - 1) * 3;
      break;
    case 6:
      d.Perspective = 0.015 * unit(rng);
      d.DarkBorder = true;
      d.Angle = (unit(rng) * 2 - 1) * 2;
      break;
    case 7:
      d.StrayMarks = true;
      d.CoffeeRing = unit(rng) < 0.5;
      d.Angle = (unit(rng) * 2 - 1) * 4;
      break;
    default:
      break;
  }
  return d;
}

// How a student fills the chosen box: mostly a full fill at some darkness,
// now and then a tick, a cross, light pencil, half a box or a mark rubbed out
// beside the one that counts.
TFill StudentFill(std::mt19937& rng) {
  const double r = std::uniform_real_distribution<double>(0, 1)(rng);
  if (r < 0.90) return TFill::Full;
  if (r < 0.95) return TFill::Medium;
  if (r < 0.96) return TFill::Tick;
  if (r < 0.97) return TFill::Cross;
  if (r < 0.98) return TFill::Light;
  if (r < 0.99) return TFill::Half;
  return TFill::Erased;
}

}  // namespace

int main(int argc, char** argv) {
  const int pages = argc > 1 ? std::atoi(argv[1]) : 2000;
  constexpr int KindCount = int(std::size(Kinds));
  std::vector<TTally> tallies(KindCount);
  TTally at300;
  std::mt19937 rng(2026);

  for (int n = 0; n < pages; ++n) {
    const int kind = n % KindCount;
    auto code = FakeSheet::SampleCode(40, 6);
    code.Version = 'A' + char(n % 2);
    code.AnswerCounts.clear();
    for (int q = 0; q < 40; ++q) code.AnswerCounts += char('3' + (q * 7 + n) % 4);  // 3 to 6 answers
    const SheetLayout::TSheetPage page = SheetLayout::Lay(code);

    // The truth: per box whether it is meant marked.
    std::vector<FakeSheet::TMark> marks;
    std::vector<std::vector<bool>> meant(code.AnswerCounts.size());
    for (std::size_t q = 0; q < code.AnswerCounts.size(); ++q) {
      const int answers = code.AnswerCounts[q] - '0';
      meant[q].assign(std::size_t(answers), false);
      if (rng() % 10 == 0) continue;  // left blank
      const int chosen = int(rng() % unsigned(answers));
      TFill fill = Kinds[kind].CleanFills ? (rng() % 3 == 0 ? TFill::Medium : TFill::Full) : StudentFill(rng);
      int final = chosen;
      if (fill == TFill::Erased) {  // rubbed out, and another box filled
        marks.push_back({code.FirstQuestion + int(q), char('A' + chosen), fill});
        final = (chosen + 1) % answers;
        fill = TFill::Full;
      }
      marks.push_back({code.FirstQuestion + int(q), char('A' + final), fill});
      meant[q][std::size_t(final)] = FakeSheet::MeantMarked(fill);
    }
    std::string number;
    for (int c = 0; c < 6; ++c) number += char('0' + rng() % 10);
    for (std::size_t c = 0; c < number.size(); ++c) marks.push_back({-1 - int(c), number[c], TFill::Full});

    const TDegrade degrade = DegradeFor(kind, rng);
    const cv::Mat image = FakeSheet::Make(page, marks, degrade, rng);
    const auto start = std::chrono::steady_clock::now();
    const Scan::TPageReading reading = Scan::ReadPage(image);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    TTally& t = tallies[std::size_t(kind)];
    ++t.Pages;
    t.Ms += ms;
    if (degrade.Dpi == 300) {
      ++at300.Pages;
      at300.Ms += ms;
    }
    long boxes = 0;
    for (const auto& row : meant) boxes += long(row.size());
    t.Boxes += boxes;
    t.Rows += long(meant.size());
    if (!reading.Read) {
      ++t.Refused;
      t.DoubtfulRows += long(meant.size());
      continue;
    }
    for (std::size_t q = 0; q < meant.size(); ++q) {
      const Scan::TRowReading& row = reading.Rows[q];
      if (row.Doubtful) ++t.DoubtfulRows;
      for (std::size_t b = 0; b < meant[q].size(); ++b) {
        const Scan::TBoxState state = Scan::StateOf(row.Darkness[b]);
        const bool read = state == Scan::TBoxState::Marked;
        if (state != Scan::TBoxState::Doubtful && read == meant[q][b]) ++t.Right;
        if (!row.Doubtful && state != Scan::TBoxState::Doubtful && read != meant[q][b]) ++t.Silent;
      }
    }
    if (reading.StudentNumber != number && !reading.NumberDoubtful) ++t.Silent;
  }

  TTally all, clean;
  std::printf("%-40s %6s %7s %9s %10s %7s %10s %8s\n", "kind", "pages", "refused", "boxes", "right %",
              "silent", "doubtful %", "ms/page");
  for (int k = 0; k < KindCount; ++k) {
    const TTally& t = tallies[std::size_t(k)];
    std::printf("%-40s %6ld %7ld %9ld %10.3f %7ld %10.2f %8.1f\n", Kinds[k].Name, t.Pages, t.Refused, t.Boxes,
                100.0 * double(t.Right) / double(std::max(1L, t.Boxes)), t.Silent,
                100.0 * double(t.DoubtfulRows) / double(std::max(1L, t.Rows)),
                t.Ms / double(std::max(1L, t.Pages)));
    for (TTally* sum : {&all, Kinds[k].CleanFills ? &clean : nullptr}) {
      if (!sum) continue;
      sum->Pages += t.Pages, sum->Refused += t.Refused, sum->Boxes += t.Boxes, sum->Right += t.Right;
      sum->Silent += t.Silent, sum->Rows += t.Rows, sum->DoubtfulRows += t.DoubtfulRows, sum->Ms += t.Ms;
    }
  }
  std::printf("\nall pages: %ld, boxes read right %.3f%%, silent errors %ld\n", all.Pages,
              100.0 * double(all.Right) / double(std::max(1L, all.Boxes)), all.Silent);
  std::printf("clean fills: rows doubtful %.2f%%\n",
              100.0 * double(clean.DoubtfulRows) / double(std::max(1L, clean.Rows)));
  std::printf("reading a 300 dpi page: %.1f ms (mean of %ld)\n", at300.Ms / double(std::max(1L, at300.Pages)),
              at300.Pages);
  return 0;
}
