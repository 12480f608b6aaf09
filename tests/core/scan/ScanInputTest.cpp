#include <gtest/gtest.h>

#include <fstream>
#include <opencv2/imgcodecs.hpp>

#include "core/scan/FakeSheet.h"
#include "core/scan/ScanInput.h"
#include "core/scan/SheetReader.h"
#include "support/TempDir.h"

namespace {

class ScanInput : public testing::Test {
protected:
  TTempDir Dir;
  int Pages = 0;

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (Dir.Path() / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  // How loading the file ended: its kind, and the sentence beside it.
  std::pair<Scan::TLoad, std::string> Load(const std::string& path) {
    const Scan::TLoadOutcome outcome = Scan::ForEachPage(path, [this](Scan::TScanPage&&) { ++Pages; });
    return {outcome.Kind, outcome.Sentence};
  }
  static std::string Png(int w, int h) {
    std::vector<std::uint8_t> bytes;
    cv::imencode(".png", cv::Mat(h, w, CV_8UC1, cv::Scalar(255)), bytes);
    return std::string(bytes.begin(), bytes.end());
  }
};

TEST_F(ScanInput, ImagesOfEachKindLoadAsOnePage) {
  const cv::Mat page(1200, 850, CV_8UC1, cv::Scalar(200));
  for (const char* extension : {".png", ".jpg", ".tif"}) {
    std::vector<std::uint8_t> bytes;
    cv::imencode(extension, page, bytes);
    const std::string path = Write(std::string("page") + extension, std::string(bytes.begin(), bytes.end()));
    const auto size = Scan::HeaderSize(Scan::SniffKind(std::string(bytes.begin(), bytes.end())),
                                       std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(size) << extension;
    EXPECT_EQ(size->Width, 850) << extension;
    EXPECT_EQ(size->Height, 1200) << extension;
    EXPECT_EQ(Load(path), std::pair(Scan::TLoad::Done, std::string())) << extension;
  }
  EXPECT_EQ(Pages, 3);
}

// A PDF as a copier writes one: a page per scanned JPEG image, with the
// cross-reference table at the offsets it names.
std::string PdfOfJpegs(const std::vector<std::string>& jpegs, int width, int height, double pointWidth,
                       double pointHeight) {
  std::string pdf = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  const auto object = [&](const std::string& body) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
  };
  const std::size_t pages = jpegs.size();
  std::string kids;
  for (std::size_t i = 0; i < pages; ++i) kids += std::to_string(3 + 3 * i) + " 0 R ";
  object("<< /Type /Catalog /Pages 2 0 R >>");
  object("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>");
  for (std::size_t i = 0; i < pages; ++i) {
    const std::string draw =
        "q " + std::to_string(pointWidth) + " 0 0 " + std::to_string(pointHeight) + " 0 0 cm /I Do Q";
    object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(pointWidth) + " " +
           std::to_string(pointHeight) + "] /Resources << /XObject << /I " + std::to_string(4 + 3 * i) +
           " 0 R >> >> /Contents " + std::to_string(5 + 3 * i) + " 0 R >>");
    object("<< /Type /XObject /Subtype /Image /Width " + std::to_string(width) + " /Height " +
           std::to_string(height) +
           " /ColorSpace /DeviceGray /BitsPerComponent 8 /Filter /DCTDecode /Length " +
           std::to_string(jpegs[i].size()) + " >>\nstream\n" + jpegs[i] + "\nendstream");
    object("<< /Length " + std::to_string(draw.size()) + " >>\nstream\n" + draw + "\nendstream");
  }
  const std::size_t xref = pdf.size();
  pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t offset : offsets) {
    char line[21];
    std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
    pdf += line;
  }
  pdf += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
  return pdf;
}

TEST_F(ScanInput, EveryPageOfAScannedPdfIsRasterisedAndReads) {
  const SheetLayout::TSheetPage page = SheetLayout::Lay(FakeSheet::SampleCode());
  std::mt19937_64 random(3);
  std::vector<std::string> jpegs;
  cv::Size size;
  for (const std::string answers : {"ABCDABCDABCDABCDABCD", "DDDDCCCCBBBBAAAA    "}) {
    const cv::Mat image =
        FakeSheet::Make(page, SheetGenerator::Answering(page, answers), {.Dpi = 150}, random).Image;
    size = image.size();
    std::vector<std::uint8_t> bytes;
    cv::imencode(".jpg", image, bytes, {cv::IMWRITE_JPEG_QUALITY, 80});
    jpegs.emplace_back(bytes.begin(), bytes.end());
  }
  // The copier's page is its bed, scanned at 150 dpi.
  const std::string path = Write("pile.pdf", PdfOfJpegs(jpegs, size.width, size.height,
                                                        size.width * 72.0 / 150, size.height * 72.0 / 150));
  std::vector<std::string> read;
  EXPECT_EQ(Scan::ForEachPage(path,
                              [&](Scan::TScanPage&& scanned) {
                                EXPECT_EQ(scanned.Page, int(read.size()) + 1);
                                const Scan::TPageReading reading = Scan::ReadPage(scanned.Gray);
                                std::string letters;
                                for (const auto& row : reading.Rows)
                                  letters += row.Letters.empty() ? " " : row.Letters;
                                read.push_back(reading.Problem + letters);
                              })
                .Kind,
            Scan::TLoad::Done);
  EXPECT_EQ(read, (std::vector<std::string>{"ABCDABCDABCDABCDABCD", "DDDDCCCCBBBBAAAA    "}));
}

// A TIFF of several pages reads every one of them; a page that cannot be
// read is named by its number, and the pages after it are still read.
TEST_F(ScanInput, EveryPageOfAMultiPageTiffIsReadAndABadOneNamed) {
  const SheetLayout::TSheetPage page = SheetLayout::Lay(FakeSheet::SampleCode());
  std::mt19937_64 random(5);
  const auto sheet = [&](const std::string& answers) {
    return FakeSheet::Make(page, SheetGenerator::Answering(page, answers), {.Dpi = 150}, random).Image;
  };
  const std::string path = (Dir.Path() / "pile.tif").string();
  ASSERT_TRUE(cv::imwritemulti(
      path, std::vector<cv::Mat>{sheet("ABCDABCDABCDABCDABCD"), cv::Mat(40, 40, CV_8UC1, cv::Scalar(255)),
                                 sheet("DDDDCCCCBBBBAAAA    ")}));
  std::vector<std::string> read;
  const Scan::TLoadOutcome outcome = Scan::ForEachPage(path, [&](Scan::TScanPage&& scanned) {
    std::string letters = std::to_string(scanned.Page) + ":";
    for (const auto& row : Scan::ReadPage(scanned.Gray).Rows)
      letters += row.Letters.empty() ? " " : row.Letters;
    read.push_back(letters);
  });
  EXPECT_EQ(outcome.Kind, Scan::TLoad::PagesLeftOut);
  EXPECT_EQ(outcome.Sentence,
            "\"" + path +
                "\": page 2: the image is 40 x 40 pixels, too small to hold an answer sheet; scan it at 150 "
                "dpi or more");
  EXPECT_EQ(read, (std::vector<std::string>{"1:ABCDABCDABCDABCDABCD", "3:DDDDCCCCBBBBAAAA    "}));
}

TEST_F(ScanInput, BadFilesAreRefusedWithAMessageAndNoPage) {
  std::string huge = Png(400, 400);
  // The header claims 50,000 x 50,000 pixels: refused before decoding.
  for (int at : {16, 20}) {
    huge[std::size_t(at)] = 0, huge[std::size_t(at + 1)] = 0;
    huge[std::size_t(at + 2)] = char(0xC3), huge[std::size_t(at + 3)] = 0x50;
  }
  const std::string dir = Dir.Path().string() + "/";
  EXPECT_EQ(Load(Write("huge.png", huge)),
            std::pair(Scan::TLoad::TooBig,
                      "\"" + dir +
                          "huge.png\": the image is 50000 x 50000 pixels, more than a scanned page needs "
                          "(at most 80 million pixels); scan it at 300 dpi"));
  EXPECT_EQ(Load(Write("dot.png", Png(1, 1))),
            std::pair(Scan::TLoad::TooSmall, "\"" + dir +
                                                 "dot.png\": the image is 1 x 1 pixels, too small to hold "
                                                 "an answer sheet; scan it at 150 dpi or more"));
  EXPECT_EQ(
      Load(Write("fake.pdf", "%PDF-1.4\nthis is no PDF at all\n")),
      std::pair(Scan::TLoad::Damaged,
                "\"" + dir + "fake.pdf\": not a readable PDF file (it is damaged or not a PDF at all)"));
  EXPECT_EQ(Load(Write("notes.txt", "answers: A B C")),
            std::pair(Scan::TLoad::NotAScan, "\"" + dir + "notes.txt\": not a PDF, PNG, JPEG or TIFF file"));
  EXPECT_EQ(Load(Write("cut.png", Png(400, 400).substr(0, 60))),
            std::pair(Scan::TLoad::Damaged,
                      "\"" + dir + "cut.png\": the image cannot be decoded (the file is damaged)"));
  std::vector<std::uint8_t> dot;
  cv::imencode(".jpg", cv::Mat(8, 8, CV_8UC1, cv::Scalar(255)), dot);
  const std::vector<std::string> many(2001, std::string(dot.begin(), dot.end()));
  EXPECT_EQ(
      Load(Write("many.pdf", PdfOfJpegs(many, 8, 8, 595, 842))),
      std::pair(
          Scan::TLoad::TooBig,
          "\"" + dir +
              "many.pdf\": the PDF has 2001 pages, more than the 2000 one scan may hold; split the pile"));
  EXPECT_EQ(Pages, 0);
}

}  // namespace
