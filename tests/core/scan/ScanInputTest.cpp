#include <gtest/gtest.h>

#include <fstream>
#include <opencv2/imgcodecs.hpp>

#include "core/scan/ScanInput.h"
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
  std::string Load(const std::string& path) {
    return Scan::ForEachPage(path, [this](Scan::TScanPage&&) { ++Pages; });
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
    EXPECT_EQ(Load(path), "") << extension;
  }
  EXPECT_EQ(Pages, 3);
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
            "\"" + dir +
                "huge.png\": the image is 50000 x 50000 pixels, more than a scanned page needs "
                "(at most 80 million pixels); scan it at 300 dpi");
  EXPECT_EQ(Load(Write("dot.png", Png(1, 1))), "\"" + dir +
                                                   "dot.png\": the image is 1 x 1 pixels, too small to hold "
                                                   "an answer sheet; scan it at 150 dpi or more");
  EXPECT_EQ(Load(Write("fake.pdf", "%PDF-1.4\nthis is no PDF at all\n")),
            "\"" + dir + "fake.pdf\": not a readable PDF file (it is damaged or not a PDF at all)");
  EXPECT_EQ(Load(Write("notes.txt", "answers: A B C")),
            "\"" + dir + "notes.txt\": not a PDF, PNG, JPEG or TIFF file");
  EXPECT_EQ(Load(Write("cut.png", Png(400, 400).substr(0, 60))),
            "\"" + dir + "cut.png\": the image cannot be decoded (the file is damaged)");
  EXPECT_EQ(Pages, 0);
}

}  // namespace
