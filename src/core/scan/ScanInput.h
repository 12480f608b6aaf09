#pragma once

#include <cstdint>
#include <functional>
#include <opencv2/core.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Loading scanned answer sheets: PDF files (every page), PNG, JPEG and TIFF
// images (every page of a TIFF), each page as an 8-bit grey image. Memory and time stay bounded
// whatever the file claims: sizes are checked from the file's header before
// anything is decoded, and a PDF is rasterised one page at a time.
namespace Scan {

// The bounds every scan file is held to.
inline constexpr std::uintmax_t MaxFileBytes = 512ull << 20;  // 512 MiB
inline constexpr std::int64_t MaxPixels = 80'000'000;         // A3 at 600 dpi is 70 million
inline constexpr int MinSide = 300;                           // a page at 36 dpi
inline constexpr int MaxPdfPages = 2000;
// The reader works on a page about this many pixels on its long side (some
// 150 dpi on A4), whatever the scan's resolution; a PDF page is rasterised
// once, straight to that size, at no more than MaxPdfDpi (less for a huge page).
inline constexpr double ReadLongSide = 1760;
inline constexpr double MaxPdfDpi = 300;

enum class TScanKind { Unknown, Pdf, Png, Jpeg, Tiff };

// What the first bytes of a file say it is.
TScanKind SniffKind(std::string_view head);

// An image's size as its header gives it, without decoding; nothing when the
// header cannot be read (a truncated or odd file). For PNG, JPEG and TIFF.
struct TPixelSize {
  std::int64_t Width = 0;
  std::int64_t Height = 0;
};
std::optional<TPixelSize> HeaderSize(TScanKind kind, std::string_view bytes);

// One page of a scan file.
struct TScanPage {
  std::string Source;  // the file's path
  int Page = 1;        // 1-based, within the file
  cv::Mat Gray;        // CV_8UC1
};

// The scan files directly in folder (by their extension: .pdf, .png, .jpg,
// .jpeg, .tif, .tiff in any case), sorted by name. Throws TIoError when the
// folder cannot be listed.
std::vector<std::string> ScanFilesIn(const std::string& folder);

// How loading a scan file ended.
enum class TLoad {
  Done,          // every page was handed over
  NotAScan,      // not a PDF, PNG, JPEG or TIFF file
  TooBig,        // more bytes, pixels or pages than a scan may have
  TooSmall,      // a page too small to hold an answer sheet
  Damaged,       // a file or page that cannot be decoded
  Locked,        // a PDF protected by a password
  PagesLeftOut,  // some pages of a TIFF were handed over, the others named in the sentence
};

struct TLoadOutcome {
  TLoad Kind = TLoad::Done;
  std::string Sentence;  // naming the file and why, "" when Done
};

// Calls onPage for each page of the file at path, in order, one page in memory
// at a time. Returns Done when every page was handed over, else the kind and a
// sentence naming the file and why it (or the rest of it) cannot be read: not
// a PDF or image, too big, too many pages, too small, damaged, locked; a page
// of a TIFF that cannot be read is named with its number and the next one
// read (PagesLeftOut when some were). Throws TIoError when the file cannot be
// opened or read.
TLoadOutcome ForEachPage(const std::string& path, const std::function<void(TScanPage&&)>& onPage);

}  // namespace Scan
