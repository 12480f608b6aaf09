#include <gtest/gtest.h>

#include <QFile>

#include "ui/platform/QtText.h"

namespace {

TEST(PathText, AnyNameComesBackByteForByteAndAUtf8NameReadsAsQtReadsIt) {
  for (const std::string name : {"/t/caf\xE9.QWT", "/t/\xC3", "/t/\xE2\x82.QWT", "/t/\xC0\xAF",
                                 "/t/\xED\xA0\x80", "/t/\xF4\x90\x80\x80", "/t/\xC3\xA9\xF0\x9F\x98\x80\xE9"})
    EXPECT_EQ(ToPath(FromPath(name)), name);
  const char* valid = "/t/caf\xC3\xA9\xF0\x9F\x98\x80.QWT";
  EXPECT_EQ(FromPath(valid), QFile::decodeName(valid));
  EXPECT_EQ(ToPath(QFile::decodeName(valid)), valid);
}

}  // namespace
