// The scanner over generated sheet pages of every kind a pile holds: how
// many boxes are read right, how many are read wrong without being flagged,
// how many rows of clean fills are flagged, and the time per page: each page
// is written as a lossless PNG file (outside the timing) and timed from the
// file's decoding to its reading, as a scan is read; the reading alone is
// shown beside it, and the first page apart; the process's CPU time per page
// beside the wall time, and a 300 dpi page as a copier's PDF (a JPEG per
// page) too. A box is right when it is read as meant, or when a mark that
// is no proper fill leaves its row in doubt; a silent error is a box read
// otherwise than meant in a row not in doubt. Prints a table; the figures go
// into docs/PERFORMANCE.md.
//
//   quizwell_scan_bench [PAGES]   (2,000 unless given)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <opencv2/imgcodecs.hpp>
#include <random>
#include <string>
#include <vector>

#include "BenchFiles.h"
#include "core/scan/FakeSheet.h"
#include "core/scan/ScanInput.h"
#include "core/scan/SheetReader.h"

using SheetGenerator::TDegradation;
using SheetGenerator::TMark;

namespace {

enum class TFills { Clean, Students, Pencil, OffCentre };

struct TKind {
  const char* Name;
  TFills Fills;
  bool CleanFills() const { return Fills == TFills::Clean || Fills == TFills::Pencil; }
};

const TKind Kinds[] = {{"clean, 300 dpi", TFills::Clean},
                       {"150 dpi", TFills::Clean},
                       {"200 dpi, JPEG 50", TFills::Clean},
                       {"turned up to 10 degrees", TFills::Clean},
                       {"scaled, blurred, noisy", TFills::Clean},
                       {"upside down", TFills::Clean},
                       {"photographed, dark border", TFills::Clean},
                       {"students' marks, stray marks, coffee", TFills::Students},
                       {"soft pencil, 200 dpi", TFills::Pencil},
                       {"shade and uneven light", TFills::Clean},
                       {"photographed up to 15 degrees aside", TFills::Clean},
                       {"ticks, rings, slashes, 150 dpi", TFills::OffCentre}};

struct TTally {
  long Pages = 0, Refused = 0, Boxes = 0, Right = 0, Silent = 0, Rows = 0, DoubtfulRows = 0;
  double Ms = 0;         // decoding and reading
  double ReadingMs = 0;  // reading alone
  double CpuMs = 0;      // decoding and reading, the process's CPU time
};

double CpuMs() {
  return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

// A PDF as a copier writes one: the page as a JPEG image filling it.
std::string PdfOfJpeg(const std::vector<std::uint8_t>& jpeg, int width, int height, double dpi) {
  const double w = width * 72 / dpi, h = height * 72 / dpi;
  std::string pdf = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  const auto object = [&](const std::string& body) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
  };
  const std::string draw = "q " + std::to_string(w) + " 0 0 " + std::to_string(h) + " 0 0 cm /I Do Q";
  object("<< /Type /Catalog /Pages 2 0 R >>");
  object("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
  object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(w) + " " + std::to_string(h) +
         "] /Resources << /XObject << /I 4 0 R >> >> /Contents 5 0 R >>");
  object("<< /Type /XObject /Subtype /Image /Width " + std::to_string(width) + " /Height " +
         std::to_string(height) + " /ColorSpace /DeviceGray /BitsPerComponent 8 /Filter /DCTDecode /Length " +
         std::to_string(jpeg.size()) + " >>\nstream\n" + std::string(jpeg.begin(), jpeg.end()) +
         "\nendstream");
  object("<< /Length " + std::to_string(draw.size()) + " >>\nstream\n" + draw + "\nendstream");
  const std::size_t xref = pdf.size();
  pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
  for (const std::size_t offset : offsets) {
    char line[21];
    std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
    pdf += line;
  }
  return pdf + "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
}

TDegradation DegradationFor(int kind, std::mt19937_64& rng) {
  std::uniform_real_distribution<double> unit(0, 1);
  TDegradation d;
  switch (kind) {
    case 1:
      d.Dpi = 150;
      break;
    case 2:
      d.Dpi = 200;
      d.JpegQuality = 50;
      break;
    case 3:
      d.Rotation = (unit(rng) * 2 - 1) * 10;
      break;
    case 4:
      d.Scale = 0.95 + 0.1 * unit(rng);
      d.Blur = 0.5 + unit(rng);
      d.Noise = 4 + 8 * unit(rng);
      break;
    case 5:
      d.UpsideDown = true;
      d.Rotation = (unit(rng) * 2 - 1) * 3;
      break;
    case 6:
      d.Perspective = 0.015 * unit(rng);
      d.DarkBorder = 3;
      d.Rotation = (unit(rng) * 2 - 1) * 2;
      break;
    case 7:
      d.StrayMarks = true;
      d.CoffeeRing = unit(rng) < 0.5;
      d.Rotation = (unit(rng) * 2 - 1) * 4;
      break;
    case 8:
      d.Dpi = 200;
      d.Rotation = (unit(rng) * 2 - 1) * 3;
      break;
    case 9:
      d.Shadow = 0.5 + 0.5 * unit(rng);
      d.Noise = 4;
      break;
    case 10:
      d.Keystone = (unit(rng) * 2 - 1) * 15;
      d.Rotation = (unit(rng) * 2 - 1) * 3;
      d.Shadow = 0.3 * unit(rng);
      break;
    case 11:
      d.Dpi = 150;
      break;
    default:
      break;
  }
  return d;
}

// How a student marks the chosen box: mostly a full fill at some darkness,
// now and then a tick, a cross, light pencil, half a box or a mark rubbed out
// beside the one that counts.
TMark StudentMark(std::mt19937_64& rng) {
  const double r = std::uniform_real_distribution<double>(0, 1)(rng);
  if (r < 0.95) return TMark::Fill;
  if (r < 0.96) return TMark::Tick;
  if (r < 0.97) return TMark::Cross;
  if (r < 0.98) return TMark::LightPencil;
  if (r < 0.99) return TMark::HalfFill;
  return TMark::Erased;
}

// Ticks, rings and slashes anywhere in the box, now and then.
TMark OffCentreMark(std::mt19937_64& rng) {
  const double r = std::uniform_real_distribution<double>(0, 1)(rng);
  if (r < 0.85) return TMark::Fill;
  if (r < 0.9) return TMark::InnerTick;
  if (r < 0.95) return TMark::Ring;
  return TMark::Slash;
}

}  // namespace

int main(int argc, char** argv) {
  const int pages = argc > 1 ? std::atoi(argv[1]) : 2000;
  constexpr int KindCount = int(std::size(Kinds));
  std::vector<TTally> tallies(KindCount);
  TTally at300, pdf300;
  std::mt19937_64 rng(2026);
  const std::filesystem::path folder = BenchFiles::ScratchFolder("scan");
  const std::string file = (folder / "page.png").string();
  const std::string pdfFile = (folder / "page.pdf").string();
  double firstMs = 0;

  for (int n = 0; n < pages; ++n) {
    const int kind = n % KindCount;
    auto code = FakeSheet::SampleCode(40, 6);
    code.Version = 'A' + char(n % 2);
    code.AnswerCounts.clear();
    for (int q = 0; q < 40; ++q) code.AnswerCounts += char('3' + (q * 7 + n) % 4);  // 3 to 6 answers
    const SheetLayout::TSheetPage page = SheetLayout::Lay(code);

    std::string number;
    for (int c = 0; c < 6; ++c) number += char('0' + rng() % 10);
    const TFills fills = Kinds[kind].Fills;
    auto marks = SheetGenerator::Answering(page, "", number,
                                           fills == TFills::Pencil ? TMark::SoftPencil : TMark::Fill);
    for (std::size_t q = 0; q < code.AnswerCounts.size(); ++q) {
      const int answers = code.AnswerCounts[q] - '0';
      if (rng() % 10 == 0) continue;  // left blank
      const int chosen = int(rng() % unsigned(answers));
      const int printed = code.FirstQuestion + int(q);
      const TMark mark = fills == TFills::Clean      ? TMark::Fill
                         : fills == TFills::Pencil   ? TMark::SoftPencil
                         : fills == TFills::Students ? StudentMark(rng)
                                                     : OffCentreMark(rng);
      SheetGenerator::Mark(marks, page, printed, char('A' + chosen), mark);
      // Rubbed out, and another box filled.
      if (mark == TMark::Erased)
        SheetGenerator::Mark(marks, page, printed, char('A' + (chosen + 1) % answers), TMark::Fill);
    }

    const TDegradation degradation = DegradationFor(kind, rng);
    const SheetGenerator::TGenerated generated = FakeSheet::Make(page, marks, degradation, rng);
    cv::imwrite(file, generated.Image, {cv::IMWRITE_PNG_COMPRESSION, 1});
    Scan::TPageReading reading;
    double readingMs = 0;
    const double cpuStart = CpuMs();
    const auto start = std::chrono::steady_clock::now();
    Scan::ForEachPage(file, [&](Scan::TScanPage&& scanned) {
      const auto read = std::chrono::steady_clock::now();
      reading = Scan::ReadPage(scanned.Gray);
      readingMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - read).count();
    });
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const double cpuMs = CpuMs() - cpuStart;
    if (n == 0) firstMs = ms;
    TTally& t = tallies[std::size_t(kind)];
    ++t.Pages;
    t.Ms += ms;
    t.ReadingMs += readingMs;
    t.CpuMs += cpuMs;
    if (degradation.Dpi == 300) {
      ++at300.Pages;
      at300.Ms += ms;
      at300.ReadingMs += readingMs;
      at300.CpuMs += cpuMs;
    }
    if (kind == 0) {
      // The same page as a copier's PDF, its JPEG decoded and drawn once.
      std::vector<std::uint8_t> jpeg;
      cv::imencode(".jpg", generated.Image, jpeg, {cv::IMWRITE_JPEG_QUALITY, 90});
      std::ofstream(pdfFile, std::ios::binary)
          << PdfOfJpeg(jpeg, generated.Image.cols, generated.Image.rows, degradation.Dpi);
      const double pdfCpu = CpuMs();
      const auto pdfStart = std::chrono::steady_clock::now();
      bool read = false;
      Scan::ForEachPage(pdfFile,
                        [&](Scan::TScanPage&& scanned) { read = Scan::ReadPage(scanned.Gray).Read; });
      ++pdf300.Pages;
      pdf300.Refused += read ? 0 : 1;
      pdf300.Ms +=
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pdfStart).count();
      pdf300.CpuMs += CpuMs() - pdfCpu;
    }
    t.Boxes += long(page.Answers.size());
    t.Rows += long(code.AnswerCounts.size());
    if (!reading.Read) {
      ++t.Refused;
      t.DoubtfulRows += long(code.AnswerCounts.size());
      continue;
    }
    // The rows' boxes, in turn, are the page's.
    std::size_t box = 0;
    for (const Scan::TRowReading& row : reading.Rows) {
      if (row.Doubtful) ++t.DoubtfulRows;
      for (const Scan::TBoxState state : row.States) {
        const bool read = state == Scan::TBoxState::Marked, meant = generated.AnswerMarked[box];
        const bool ambiguous = generated.AnswerAmbiguous[box++];
        if ((state != Scan::TBoxState::Doubtful && read == meant) || (ambiguous && row.Doubtful)) ++t.Right;
        if (!row.Doubtful && read != meant) ++t.Silent;
      }
    }
    if (reading.StudentNumber != number && !reading.NumberDoubtful) ++t.Silent;
  }

  TTally all, clean;
  std::printf("%-40s %6s %7s %9s %10s %7s %10s %8s %8s %8s\n", "kind", "pages", "refused", "boxes", "right %",
              "silent", "doubtful %", "ms/page", "reading", "cpu ms");
  for (int k = 0; k < KindCount; ++k) {
    const TTally& t = tallies[std::size_t(k)];
    std::printf("%-40s %6ld %7ld %9ld %10.3f %7ld %10.2f %8.1f %8.1f %8.1f\n", Kinds[k].Name, t.Pages,
                t.Refused, t.Boxes, 100.0 * double(t.Right) / double(std::max(1L, t.Boxes)), t.Silent,
                100.0 * double(t.DoubtfulRows) / double(std::max(1L, t.Rows)),
                t.Ms / double(std::max(1L, t.Pages)), t.ReadingMs / double(std::max(1L, t.Pages)),
                t.CpuMs / double(std::max(1L, t.Pages)));
    for (TTally* sum : {&all, Kinds[k].CleanFills() ? &clean : nullptr}) {
      if (!sum) continue;
      sum->Pages += t.Pages, sum->Refused += t.Refused, sum->Boxes += t.Boxes, sum->Right += t.Right;
      sum->Silent += t.Silent, sum->Rows += t.Rows, sum->DoubtfulRows += t.DoubtfulRows, sum->Ms += t.Ms;
    }
  }
  std::printf("\nall pages: %ld, %ld refused (%.2f%%), boxes read right %.3f%%, silent errors %ld\n",
              all.Pages, all.Refused, 100.0 * double(all.Refused) / double(std::max(1L, all.Pages)),
              100.0 * double(all.Right) / double(std::max(1L, all.Boxes)), all.Silent);
  std::printf("clean fills: rows doubtful %.2f%%\n",
              100.0 * double(clean.DoubtfulRows) / double(std::max(1L, clean.Rows)));
  std::printf("a 300 dpi page decoded and read: %.1f ms, %.1f ms CPU, read alone %.1f ms (means of %ld)\n",
              at300.Ms / double(std::max(1L, at300.Pages)), at300.CpuMs / double(std::max(1L, at300.Pages)),
              at300.ReadingMs / double(std::max(1L, at300.Pages)), at300.Pages);
  std::printf("a 300 dpi page as a PDF, decoded and read: %.1f ms, %.1f ms CPU (means of %ld, %ld refused)\n",
              pdf300.Ms / double(std::max(1L, pdf300.Pages)),
              pdf300.CpuMs / double(std::max(1L, pdf300.Pages)), pdf300.Pages, pdf300.Refused);
  std::printf("the first page decoded and read: %.1f ms; load average %s\n", firstMs,
              BenchFiles::LoadAverage().c_str());
  std::filesystem::remove_all(folder);
  return 0;
}
