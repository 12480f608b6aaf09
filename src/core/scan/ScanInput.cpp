#include "core/scan/ScanInput.h"

#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-page-renderer.h>
#include <poppler/cpp/poppler-page.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <vector>

#include "core/storage/IoError.h"

namespace Scan {
namespace {

std::uint32_t Big32(std::string_view b, std::size_t at) {
  if (at + 4 > b.size()) return 0;
  return (std::uint32_t(std::uint8_t(b[at])) << 24) | (std::uint32_t(std::uint8_t(b[at + 1])) << 16) |
         (std::uint32_t(std::uint8_t(b[at + 2])) << 8) | std::uint32_t(std::uint8_t(b[at + 3]));
}

std::uint32_t Read16(std::string_view b, std::size_t at, bool little) {
  if (at + 2 > b.size()) return 0;
  const auto lo = std::uint8_t(b[at + (little ? 0 : 1)]), hi = std::uint8_t(b[at + (little ? 1 : 0)]);
  return std::uint32_t(hi) << 8 | lo;
}

std::uint32_t Read32(std::string_view b, std::size_t at, bool little) {
  if (at + 4 > b.size()) return 0;
  return little ? (Read16(b, at + 2, true) << 16 | Read16(b, at, true))
                : (Read16(b, at, false) << 16 | Read16(b, at + 2, false));
}

std::optional<TPixelSize> JpegSize(std::string_view b) {
  std::size_t at = 2;
  while (at + 9 < b.size()) {
    if (std::uint8_t(b[at]) != 0xFF) return std::nullopt;
    const std::uint8_t marker = std::uint8_t(b[at + 1]);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      at += 2;
      continue;
    }
    const std::size_t length = Read16(b, at + 2, false);
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) return TPixelSize{Read16(b, at + 7, false), Read16(b, at + 5, false)};
    if (length < 2) return std::nullopt;
    at += 2 + length;
  }
  return std::nullopt;
}

std::optional<TPixelSize> TiffSizeAt(std::string_view b, std::size_t ifd, bool little) {
  if (ifd == 0 || ifd + 2 > b.size()) return std::nullopt;
  const std::size_t entries = Read16(b, ifd, little);
  TPixelSize size;
  for (std::size_t i = 0; i < entries; ++i) {
    const std::size_t e = ifd + 2 + i * 12;
    if (e + 12 > b.size()) return std::nullopt;
    const std::uint32_t tag = Read16(b, e, little), type = Read16(b, e + 2, little);
    const std::uint32_t value = type == 3 ? Read16(b, e + 8, little) : Read32(b, e + 8, little);
    if (tag == 256) size.Width = value;
    if (tag == 257) size.Height = value;
  }
  if (size.Width == 0 || size.Height == 0) return std::nullopt;
  return size;
}

std::optional<TPixelSize> TiffSize(std::string_view b) {
  return TiffSizeAt(b, Read32(b, 4, b[0] == 'I'), b[0] == 'I');
}

// The size of every page of a TIFF file, from its chain of directories,
// nothing for a page whose directory cannot be read; at most limit + 1
// pages, so a file claiming more is known without walking it all. A chain
// that loops back or leaves the file ends there.
std::vector<std::optional<TPixelSize>> TiffPageSizes(std::string_view b, std::size_t limit) {
  const bool little = b[0] == 'I';
  std::vector<std::optional<TPixelSize>> pages;
  std::vector<std::size_t> seen;
  for (std::size_t ifd = Read32(b, 4, little); ifd != 0 && ifd + 2 <= b.size() && pages.size() <= limit;) {
    if (std::find(seen.begin(), seen.end(), ifd) != seen.end()) break;
    seen.push_back(ifd);
    pages.push_back(TiffSizeAt(b, ifd, little));
    const std::size_t next = ifd + 2 + std::size_t(Read16(b, ifd, little)) * 12;
    if (next + 4 > b.size()) break;
    ifd = Read32(b, next, little);
  }
  return pages;
}

std::string Named(const std::string& path, const std::string& what) {
  return "\"" + path + "\": " + what;
}

// Why a page of that size is no scanned page; the callers name the file.
std::string TooBig(std::int64_t w, std::int64_t h) {
  return "the image is " + std::to_string(w) + " x " + std::to_string(h) +
         " pixels, more than a scanned page needs (at most " + std::to_string(MaxPixels / 1'000'000) +
         " million pixels); scan it at 300 dpi";
}

std::string TooSmall(int w, int h) {
  return "the image is " + std::to_string(w) + " x " + std::to_string(h) +
         " pixels, too small to hold an answer sheet; scan it at 150 dpi or more";
}

TLoadOutcome Refusal(TLoad kind, const std::string& path, const std::string& what) {
  return {kind, Named(path, what)};
}

void Quiet(const std::string&, void*) {}

TLoadOutcome ReadPdf(const std::string& path, std::vector<char>& bytes,
                     const std::function<void(TScanPage&&)>& onPage) {
  poppler::set_debug_error_function(Quiet, nullptr);
  std::unique_ptr<poppler::document> document(
      poppler::document::load_from_raw_data(bytes.data(), int(bytes.size())));
  if (!document)
    return Refusal(TLoad::Damaged, path, "not a readable PDF file (it is damaged or not a PDF at all)");
  if (document->is_locked()) return Refusal(TLoad::Locked, path, "the PDF is protected by a password");
  const int pages = document->pages();
  if (pages <= 0) return Refusal(TLoad::Damaged, path, "the PDF has no pages");
  if (pages > MaxPdfPages)
    return Refusal(TLoad::TooBig, path,
                   "the PDF has " + std::to_string(pages) + " pages, more than the " +
                       std::to_string(MaxPdfPages) + " one scan may hold; split the pile");
  poppler::page_renderer renderer;
  renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
  renderer.set_image_format(poppler::image::format_gray8);
  for (int i = 0; i < pages; ++i) {
    std::unique_ptr<poppler::page> page(document->create_page(i));
    if (!page)
      return Refusal(TLoad::Damaged, path, "page " + std::to_string(i + 1) + " of the PDF cannot be read");
    const poppler::rectf box = page->page_rect();
    // Straight to the size the reader works at; a page of absurd shape at
    // less, within the pixel bound.
    double dpi = std::min(MaxPdfDpi, ReadLongSide * 72 / std::max({1.0, box.width(), box.height()}));
    const double points = std::max(1.0, box.width()) * std::max(1.0, box.height());
    const double pixels = points * dpi * dpi / (72.0 * 72.0);
    if (pixels > double(MaxPixels)) dpi *= std::sqrt(double(MaxPixels) / pixels);
    const poppler::image image = renderer.render_page(page.get(), dpi, dpi);
    if (!image.is_valid())
      return Refusal(TLoad::Damaged, path,
                     "page " + std::to_string(i + 1) + " of the PDF cannot be rasterised");
    if (image.width() < MinSide || image.height() < MinSide)
      return Refusal(TLoad::TooSmall, path,
                     "page " + std::to_string(i + 1) + ": " + TooSmall(image.width(), image.height()));
    cv::Mat gray;
    if (image.format() == poppler::image::format_gray8) {
      cv::Mat(image.height(), image.width(), CV_8UC1, const_cast<char*>(image.const_data()),
              std::size_t(image.bytes_per_row()))
          .copyTo(gray);
    } else {
      const cv::Mat bgra(image.height(), image.width(), CV_8UC4, const_cast<char*>(image.const_data()),
                         std::size_t(image.bytes_per_row()));
      cv::cvtColor(bgra, gray, cv::COLOR_BGRA2GRAY);
    }
    onPage(TScanPage{path, i + 1, std::move(gray)});
  }
  return {};
}

// Why an image of that header size is no scanned page; Done when it may be one.
struct TSizeRefusal {
  TLoad Kind = TLoad::Done;
  std::string Why;
};

TSizeRefusal SizeRefusal(const TPixelSize& size) {
  if (size.Width * size.Height > MaxPixels) return {TLoad::TooBig, TooBig(size.Width, size.Height)};
  if (size.Width < MinSide || size.Height < MinSide)
    return {TLoad::TooSmall, TooSmall(int(size.Width), int(size.Height))};
  return {};
}

cv::Mat Gray8(cv::Mat gray) {
  if (!gray.empty() && gray.depth() != CV_8U) gray.convertTo(gray, CV_8U, 1.0 / 256);
  return gray;
}

// Every page of a TIFF file, decoded one at a time. A page that cannot be
// read is named and the next one read.
TLoadOutcome ReadTiff(const std::string& path, std::string_view bytes,
                      const std::function<void(TScanPage&&)>& onPage) {
  const auto sizes = TiffPageSizes(bytes, MaxPdfPages);
  if (sizes.empty())
    return Refusal(TLoad::Damaged, path, "the image's header cannot be read (the file is damaged)");
  if (sizes.size() > std::size_t(MaxPdfPages))
    return Refusal(TLoad::TooBig, path,
                   "the TIFF file has more than " + std::to_string(MaxPdfPages) +
                       " pages, more than one scan may hold; split the pile");
  TLoadOutcome problems;
  int handed = 0;
  const auto refuse = [&](std::size_t page, TLoad kind, const std::string& why) {
    if (problems.Kind == TLoad::Done) problems.Kind = kind;
    problems.Sentence +=
        (problems.Sentence.empty() ? "" : "; ") +
        Named(path, sizes.size() == 1 ? why : "page " + std::to_string(page + 1) + ": " + why);
  };
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (!sizes[i]) {
      refuse(i, TLoad::Damaged, "the page's header cannot be read (the file is damaged)");
      continue;
    }
    if (const TSizeRefusal why = SizeRefusal(*sizes[i]); why.Kind != TLoad::Done) {
      refuse(i, why.Kind, why.Why);
      continue;
    }
    std::vector<cv::Mat> mats;
    try {
      cv::imreadmulti(path, mats, int(i), 1, cv::IMREAD_GRAYSCALE);
    } catch (const cv::Exception&) {
      mats.clear();
    }
    if (mats.empty() || mats[0].empty()) {
      refuse(i, TLoad::Damaged, "the image cannot be decoded (the file is damaged)");
      continue;
    }
    onPage(TScanPage{path, int(i) + 1, Gray8(std::move(mats[0]))});
    ++handed;
  }
  // Some pages read and some not: the file is read but for those.
  if (problems.Kind != TLoad::Done && handed > 0) problems.Kind = TLoad::PagesLeftOut;
  return problems;
}

}  // namespace

TScanKind SniffKind(std::string_view head) {
  if (head.substr(0, 5) == "%PDF-") return TScanKind::Pdf;
  if (head.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return TScanKind::Png;
  if (head.substr(0, 3) == "\xFF\xD8\xFF") return TScanKind::Jpeg;
  if (head.substr(0, 4) == std::string_view("II*\0", 4) || head.substr(0, 4) == std::string_view("MM\0*", 4))
    return TScanKind::Tiff;
  return TScanKind::Unknown;
}

std::optional<TPixelSize> HeaderSize(TScanKind kind, std::string_view bytes) {
  switch (kind) {
    case TScanKind::Png:
      if (bytes.size() < 24 || bytes.substr(12, 4) != "IHDR") return std::nullopt;
      return TPixelSize{Big32(bytes, 16), Big32(bytes, 20)};
    case TScanKind::Jpeg:
      return JpegSize(bytes);
    case TScanKind::Tiff:
      return bytes.size() < 8 ? std::nullopt : TiffSize(bytes);
    default:
      return std::nullopt;
  }
}

std::vector<std::string> ScanFilesIn(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::string extension = it->path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    std::error_code kind;
    if (it->is_regular_file(kind) && (extension == ".pdf" || extension == ".png" || extension == ".jpg" ||
                                      extension == ".jpeg" || extension == ".tif" || extension == ".tiff"))
      files.push_back(it->path().string());
  }
  if (error) throw TIoError(folder, "Cannot read", error.message());
  std::sort(files.begin(), files.end());
  return files;
}

TLoadOutcome ForEachPage(const std::string& path, const std::function<void(TScanPage&&)>& onPage) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) throw TIoError(path, "Cannot read", "no such file");
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) throw TIoError(path, "Cannot read", error.message());
  if (size > MaxFileBytes)
    return Refusal(TLoad::TooBig, path,
                   "the file is " + std::to_string(size >> 20) + " MiB, more than the " +
                       std::to_string(MaxFileBytes >> 20) + " MiB a scan may have");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TIoError(path, "Cannot read", std::strerror(errno));
  std::vector<char> bytes(static_cast<std::size_t>(size));
  if (!in.read(bytes.data(), std::streamsize(bytes.size())))
    throw TIoError(path, "Cannot read", "read error");
  const std::string_view view(bytes.data(), bytes.size());
  const TScanKind kind = SniffKind(view);
  if (kind == TScanKind::Unknown) return Refusal(TLoad::NotAScan, path, "not a PDF, PNG, JPEG or TIFF file");
  try {
    if (kind == TScanKind::Pdf) return ReadPdf(path, bytes, onPage);
    if (kind == TScanKind::Tiff) return ReadTiff(path, view, onPage);
    const auto header = HeaderSize(kind, view);
    if (!header)
      return Refusal(TLoad::Damaged, path, "the image's header cannot be read (the file is damaged)");
    if (const TSizeRefusal why = SizeRefusal(*header); why.Kind != TLoad::Done)
      return Refusal(why.Kind, path, why.Why);
    cv::Mat gray = cv::imdecode(cv::Mat(1, int(bytes.size()), CV_8UC1, bytes.data()), cv::IMREAD_GRAYSCALE);
    bytes = {};
    if (gray.empty())
      return Refusal(TLoad::Damaged, path, "the image cannot be decoded (the file is damaged)");
    onPage(TScanPage{path, 1, Gray8(std::move(gray))});
  } catch (const cv::Exception&) {
    return Refusal(TLoad::Damaged, path, "the image cannot be decoded (the file is damaged)");
  }
  return {};
}

}  // namespace Scan
