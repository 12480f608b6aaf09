#include <gtest/gtest.h>

#include <QFile>
#include <string>

#include "ui/platform/QtText.h"

namespace {

TEST(PathText, EveryNameComesBackByteForByteAndUtf8NamesReadAsText) {
  const std::string names[] = {
      "/t/caf\xE9.QWT",                       // Latin-1
      "/t/\xFF\xFE\x80",                      // no UTF-8 at all
      "/t/\xC3",                              // a sequence cut short at the end
      "/t/\xE2\x82.QWT",                      // ... and in the middle
      "/t/\xC0\xAF",                          // an overlong '/'
      "/t/\xED\xA0\x80\xED\xB0\x80",          // surrogates spelled in UTF-8
      "/t/\xF4\x90\x80\x80",                  // past U+10FFFF
      "/t/caf\xC3\xA9 \xF0\x9F\x98\x80\xE9",  // valid, then not
  };
  for (const std::string& name : names) EXPECT_EQ(ToPath(FromPath(name)), name);

  const std::string valid = "/t/caf\xC3\xA9 \xF0\x9F\x98\x80.QWT";
  EXPECT_EQ(FromPath(valid), QFile::decodeName(valid.c_str()));
  EXPECT_EQ(ToPath(QStringLiteral("/t/caf\u00E9")), "/t/caf\xC3\xA9");
  // The readable part of a name stays readable.
  EXPECT_TRUE(FromPath("/t/caf\xE9.QWT").startsWith(QStringLiteral("/t/caf")));
  EXPECT_TRUE(FromPath("/t/caf\xE9.QWT").endsWith(QStringLiteral(".QWT")));
}

}  // namespace
