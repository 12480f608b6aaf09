#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "core/storage/IniStore.h"
#include "support/StoreLines.h"
#include "support/TempDir.h"

using namespace std::string_literals;

namespace {

class IniStoreTest : public testing::Test {
protected:
  // A file holding content, in this test's folder.
  std::string FileWith(std::string_view content, std::string_view name = "test.ini") {
    const std::string path = Dir.File(name);
    WriteBytes(path, content);
    return path;
  }

  TTempDir Dir;
};

}  // namespace

// ---------------------------------------------------------------------------
// Canonical form: a loaded file written back after a change, on exact bytes.

class CanonicalFormTest : public testing::TestWithParam<std::string> {};

TEST_P(CanonicalFormTest, RewritesTheFileInCanonicalForm) {
  TTempDir dir;
  const std::string path = dir.File("file.ini");
  WriteBytes(path, ReadBytes(TestDataPath("ini/" + GetParam() + ".in")));
  TIniStore store(path);
  EXPECT_FALSE(store.Modified) << "opening never leaves the store modified";
  store.Modified = true;
  store.UpdateFile();
  EXPECT_EQ(ReadBytes(path), ReadBytes(TestDataPath("ini/" + GetParam() + ".out")));
}

// Every pair of files in the folder but the one the change test makes its changes to.
static std::vector<std::string> CanonicalCases() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(TestDataPath("ini")))
    if (entry.path().extension() == ".in" && entry.path().stem() != "change")
      names.push_back(entry.path().stem());
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Golden, CanonicalFormTest, testing::ValuesIn(CanonicalCases()),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::erase(name, '-');
                           return name;
                         });

TEST_F(IniStoreTest, ChangesReplaceLinesInPlaceAndAppendNewOnesAtTheEnd) {
  const std::string path = FileWith(ReadBytes(TestDataPath("ini/change.in")));
  TIniStore store(path);
  store.WriteString("Settings", "Desc", "new");  // replaces the first DESC only, spelled as given
  store.WriteString("SETTINGS", "CHECKANSWERS", "1");
  store.WriteSectionValues("BEGINMESSAGE", {"Welcome", "to the test"});
  store.WriteString("QA1", "A", "");
  store.WriteString("QA2", "QUESTION", "q2");
  store.UpdateFile();
  EXPECT_FALSE(store.Modified);
  EXPECT_EQ(ReadBytes(path), ReadBytes(TestDataPath("ini/change.out")));
}

TEST_F(IniStoreTest, MissingFileGivesAnEmptyStoreAndIsCreatedOnlyByAWrite) {
  const std::string path = Dir.File("new.ini");
  {
    TIniStore store(path);
    EXPECT_EQ(store.ReadString("S", "K", "default"), "default");
  }
  EXPECT_FALSE(std::filesystem::exists(path));
  {
    TIniStore store(path);
    store.WriteString("S", "K", "V");
  }  // the destructor flushes
  EXPECT_EQ(ReadBytes(path), "[S]\r\nK=V\r\n\r\n");
}

TEST_F(IniStoreTest, UnchangedStoreLeavesBytesAndTimeStampAlone) {
  const std::string content = "junk\n[S]\nK=V\n\n[S]\nK=dup\n";  // far from canonical
  const std::string path = FileWith(content);
  const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
  {
    TIniStore store(path);
    EXPECT_EQ(store.ReadString("s", "k", ""), "V");
    store.WriteString("S", "K", "V");  // the value already there
    TStrings lines;
    store.ReadSectionValues("S", lines);
    store.WriteSectionValues("S", lines);
    EXPECT_FALSE(store.Modified);
  }
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mtim.tv_sec, 1000000000);
  EXPECT_EQ(ReadBytes(path), content);
}

// ---------------------------------------------------------------------------
// Reading

TEST_F(IniStoreTest, KeysAndValuesAreTakenVerbatimAroundTheFirstEquals) {
  TIniStore store(FileWith("[S]\r\nDESC =x\r\nQ=\"quoted\" \r\nK=a=b\r\nE=\r\nK=second\r\nplain line\r\n"));
  EXPECT_EQ(store.ReadString("S", "DESC", "def"), "def");
  EXPECT_EQ(store.ReadString("S", "DESC ", "def"), "x");
  EXPECT_EQ(store.ReadString("S", "Q", ""), "\"quoted\" ");
  EXPECT_EQ(store.ReadString("S", "k", ""), "a=b");  // the first of two lines with that key
  EXPECT_EQ(store.ReadString("S", "E", "def"), "");  // present but empty is not the default
  EXPECT_EQ(store.ReadString("S", "plain line", "def"), "def");
  EXPECT_EQ(store.ReadString("S", "K=a", "def"), "def");  // a key holding '=' never matches
  EXPECT_EQ(store.ReadString("T", "K", "def"), "def");
}

TEST_F(IniStoreTest, LoadedLinesFollowLineEndsAndCtrlZ) {
  // CR, CR LF and a lone LF each end a line; an LF right after a CR belongs to it.
  TIniStore store(FileWith("[A]\rx=1\r\r\ny=2\nz=3\n\r[B]\r\nw=4\x1A\r\n[C]\r\nv=5\r\n"));
  EXPECT_EQ(SectionLines(store, "A"), (TStrings{"x=1", "y=2", "z=3"}));
  EXPECT_EQ(SectionLines(store, "B"), (TStrings{"w=4"}));
  TStrings names;
  store.ReadSections(names);
  EXPECT_EQ(names, (TStrings{"A", "B"}));
}

TEST_F(IniStoreTest, DuplicateSectionsKeepTheFirstWholeAndLeaveTheFileUntilAChange) {
  const std::string content = "[SETTINGS]\r\nDESC=1\r\n[settings]\r\nDESC=2\r\nTIME=3\r\n";
  const std::string path = FileWith(content);
  {
    TIniStore store(path);
    EXPECT_FALSE(store.Modified);
    EXPECT_EQ(store.ReadString("SETTINGS", "DESC", ""), "1");
    EXPECT_EQ(store.ReadString("SETTINGS", "TIME", "none"), "none");
  }
  EXPECT_EQ(ReadBytes(path), content);
}

TEST_F(IniStoreTest, DuplicateHandlerComparesTheSurvivorWithEachLaterOccurrence) {
  const std::string path = FileWith("[D]\r\nv=1\r\n[X]\r\nx=1\r\n[d]\r\nv=2\r\n[D]\r\nv=3\r\n");
  std::vector<std::string> calls;
  TLoadOptions options;
  // Keeps whichever occurrence holds the larger v.
  options.OnDuplicateSection = [&](const std::string&, const TStrings& earlier, const TStrings& later) {
    calls.push_back(earlier[0] + "/" + later[0]);
    return earlier[0] > later[0];
  };
  TIniStore store(path, options);
  EXPECT_EQ(calls, (std::vector<std::string>{"v=1/v=2", "v=2/v=3"}));
  TStrings names;
  store.ReadSections(names);
  EXPECT_EQ(names, (TStrings{"X", "D"}));  // survivors keep their relative order
  EXPECT_EQ(store.ReadString("D", "v", ""), "3");
}

TEST_F(IniStoreTest, ReadIntegerTakesDecimalAndBothHexadecimalForms) {
  TIniStore store(
      FileWith("[S]\r\na=0x1F\r\nb=$1f\r\nc= 31\r\nd=31a\r\ne=\r\nf=-$1F\r\ng=0X1f\r\n"
               "h=2147483648\r\ni=-2147483648\r\nj=$FFFFFFFF\r\nk=+7\r\nl=$\r\nm=0x\r\nn=- 1\r\n"));
  for (const char* key : {"a", "b", "c", "g"}) EXPECT_EQ(store.ReadInteger("S", key, -1), 31) << key;
  for (const char* key : {"d", "e", "h", "l", "m", "n", "missing"})
    EXPECT_EQ(store.ReadInteger("S", key, -5), -5) << key;
  EXPECT_EQ(store.ReadInteger("S", "f", 0), -31);
  EXPECT_EQ(store.ReadInteger("S", "i", 0), INT32_MIN);
  EXPECT_EQ(store.ReadInteger("S", "j", 0), -1);
  EXPECT_EQ(store.ReadInteger("S", "k", 0), 7);
}

// The store's grammar (ReadInteger) and the test settings' grammar, side by side.
TEST(ParseIntegerTest, BothGrammarsReadTheSameNumbersSaveWhereTheyDiffer) {
  constexpr std::optional<int32_t> No;
  const struct {
    std::string_view Text;
    std::optional<int32_t> Store, Setting;
  } cases[] = {
      {"0", 0, 0},
      {"  42", 42, 42},
      {"+7", 7, 7},
      {"-5", -5, -5},
      {"$1f", 31, 31},
      {"$7FFFFFFF", INT32_MAX, INT32_MAX},
      {"$FFFFFFFF", -1, -1},
      {"2147483647", INT32_MAX, INT32_MAX},
      {"-2147483648", INT32_MIN, INT32_MIN},
      {"2147483648", No, No},
      {"$100000000", No, No},
      {"99999999999999999999", No, No},
      {"1 ", No, No},
      {"", No, No},
      {"   ", No, No},
      {"BAD DECODE", No, No},
      {"$", No, No},
      {"-", No, No},
      {"1.5", No, No},
      {"\t1", No, No},
      {"- 1", No, No},
      {"$-1", No, No},
      // Where the grammars differ: "0x" and a sign before '$'.
      {"0x1F", 31, No},
      {"0X1f", 31, No},
      {" 0x1F", No, No},
      {"0x", No, No},
      {"-$5", -5, No},
      {"+$FFFFFFFF", -1, No},
      {"-$FFFFFFFF", 1, No},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseInteger(c.Text, TIntegerGrammar::Store), c.Store) << '"' << c.Text << '"';
    EXPECT_EQ(ParseInteger(c.Text, TIntegerGrammar::Setting), c.Setting) << '"' << c.Text << '"';
  }
}

TEST_F(IniStoreTest, BooleansAreIntegersWithZeroAsFalse) {
  TIniStore store(FileWith("[S]\r\nyes=1\r\nno=0\r\ntwo=2\r\nword=true\r\n"));
  EXPECT_TRUE(store.ReadBool("S", "yes", false));
  EXPECT_FALSE(store.ReadBool("S", "no", true));
  EXPECT_TRUE(store.ReadBool("S", "two", false));
  EXPECT_TRUE(store.ReadBool("S", "word", true));  // not a number: the default
  EXPECT_FALSE(store.ReadBool("S", "word", false));
  store.WriteBool("S", "flag", true);
  EXPECT_EQ(store.ReadString("S", "flag", ""), "1");
}

TEST_F(IniStoreTest, SectionListingsAppendOrReplaceAsEachOperationSays) {
  TIniStore store(FileWith("[A]\r\nk=1\r\nno equals\r\n=v\r\n[B]\r\nx=2\r\n"));
  TStrings values{"kept"};
  store.ReadSectionValues("a", values);
  EXPECT_EQ(values, (TStrings{"kept", "k=1", "no equals", "=v"}));
  store.ReadSectionValues("missing", values);
  EXPECT_EQ(values.size(), 4u);
  TStrings names{"old"};
  store.ReadSections(names);
  EXPECT_EQ(names, (TStrings{"A", "B"}));
  TStrings all{"kept"};
  store.ReadAll(all);
  EXPECT_EQ(all, (TStrings{"kept", "[A]", "k=1", "no equals", "=v", "", "[B]", "x=2", ""}));
}

// ---------------------------------------------------------------------------
// Writing

TEST_F(IniStoreTest, WriteStringMarksModifiedOnlyWhenTheLineChanges) {
  TIniStore store(FileWith("[S]\r\nK=v\r\nK=second\r\n"));
  store.WriteString("s", "K", "v");
  EXPECT_FALSE(store.Modified);
  store.WriteString("S", "k", "v");  // same value, key spelled differently: the line differs
  EXPECT_TRUE(store.Modified);
  EXPECT_EQ(SectionLines(store, "S"), (TStrings{"k=v", "K=second"}));
  store.WriteString("S", "K", "");
  EXPECT_EQ(SectionLines(store, "S"), (TStrings{"K=", "K=second"}));
}

TEST_F(IniStoreTest, AValueViewingTheLineItReplacesIsCopiedFirst) {
  TIniStore store(FileWith("[S]\r\nK=abcdef\r\n"));
  std::string_view value;
  ASSERT_TRUE(store.ReadValue("S", "K", value));
  store.WriteString("S", "Key", value.substr(2));  // a new line, from a view into the loaded text
  store.WriteString("S", "k", value.substr(2));    // replaces K=abcdef by what it views
  EXPECT_EQ(SectionLines(store, "S"), (TStrings{"k=cdef", "Key=cdef"}));
  TStrings* lines;
  store.FindItemIndex("S", "k", false, lines);  // the section as a list of strings of its own
  ASSERT_TRUE(store.ReadValue("S", "k", value));
  store.WriteString("S", "K", value.substr(1));
  EXPECT_EQ(SectionLines(store, "S"), (TStrings{"K=def", "Key=cdef"}));
}

TEST_F(IniStoreTest, RewritingOneStoreManyTimesKeepsEveryLine) {
  // Enough rewrites and alternating appends that text left behind is dropped
  // several times on the way.
  const std::string path = FileWith("[A]\r\nkeep=1\r\nK=0\r\n[B]\r\nb=0\r\n");
  TIniStore store(path);
  const std::string big(1000, 'v');
  for (int i = 0; i < 5000; ++i) store.WriteString("A", "K", big + std::to_string(i));
  for (int i = 0; i < 4000; ++i) store.WriteString(i % 2 ? "A" : "B", "n" + std::to_string(i), "x");
  EXPECT_EQ(store.ReadString("A", "K", ""), big + "4999");
  EXPECT_EQ(store.ReadString("A", "keep", ""), "1");
  EXPECT_EQ(store.ReadString("B", "b", ""), "0");
  EXPECT_EQ(store.ReadString("A", "n3997", ""), "x");
  EXPECT_EQ(store.ReadString("B", "n3998", ""), "x");
  TStrings lines;
  store.ReadSectionValues("A", lines);
  EXPECT_EQ(lines.size(), 2u + 2000);
  EXPECT_EQ(lines[2], "n1=x");
  EXPECT_EQ(lines.back(), "n3999=x");
  store.UpdateFile();
  TIniStore reloaded(path);
  TStrings all, again;
  store.ReadAll(all);
  reloaded.ReadAll(again);
  EXPECT_EQ(all, again);
}

TEST_F(IniStoreTest, AnEmptyKeyErasesTheSectionOrFlushes) {
  const std::string path = FileWith("[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
  TIniStore store(path);
  store.WriteString("a", "", "ignored");
  EXPECT_TRUE(store.Modified);
  EXPECT_EQ(store.ReadString("A", "k", "gone"), "gone");
  store.WriteString("", "", "");
  EXPECT_FALSE(store.Modified);
  EXPECT_EQ(ReadBytes(path), "[B]\r\nk=2\r\n\r\n");
}

TEST_F(IniStoreTest, EraseSectionResetsBothLookupPositions) {
  TIniStore store(FileWith("[A]\r\na=1\r\n[B]\r\nb=1\r\n[C]\r\nc=1\r\n"));
  store.EraseSection("missing");
  EXPECT_FALSE(store.Modified);
  store.ReadString("C", "c", "");
  EXPECT_EQ(store.CurrentSection, 2);
  store.EraseSection("b");
  EXPECT_TRUE(store.Modified);
  EXPECT_EQ(store.CurrentSection, 0);
  EXPECT_EQ(store.ReadString("C", "c", ""), "1");  // the index follows the shifted positions
  EXPECT_EQ(store.CurrentSection, 1);
}

TEST_F(IniStoreTest, WriteSectionValuesComparesLineByLine) {
  TIniStore store(FileWith("[M]\r\nline 1\r\nline 2\r\n"));
  store.WriteSectionValues("m", {"line 1", "line 2"});
  EXPECT_FALSE(store.Modified);
  store.WriteSectionValues("M", {"line 1", "changed"});
  EXPECT_TRUE(store.Modified);
  EXPECT_EQ(SectionLines(store, "M"), (TStrings{"line 1", "changed"}));
  store.WriteSectionValues("M", {"only"});
  EXPECT_EQ(SectionLines(store, "M"), (TStrings{"only"}));
  store.Modified = false;
  store.WriteSectionValues("Empty", {});  // appended although it has no lines, and not written
  EXPECT_TRUE(store.Modified);
  TStrings all;
  store.ReadAll(all);
  EXPECT_EQ(all, (TStrings{"[M]", "only", ""}));
}

TEST_F(IniStoreTest, AStoreWithoutFileNameIsNeverWritten) {
  TIniStore store;
  store.WriteString("S", "K", "V");
  store.UpdateFile();
  EXPECT_FALSE(store.Modified);
  EXPECT_EQ(store.ReadString("S", "K", ""), "V");
  EXPECT_TRUE(std::filesystem::is_empty(Dir.Path()));
}

// ---------------------------------------------------------------------------
// Load options (the system leaves them off; other readers may set them)

TEST_F(IniStoreTest, LoadOptionsApplyInTheirOrder) {
  const std::string path =
      FileWith("[S]\r\n;comment=1\r\nK \t= \"v\"\r\nQ='x\"\r\nR=\"\r\nno equals\r\nT=x \t\x01\r\n=lead\r\n");
  TLoadOptions options;
  options.DropCommentLines = true;
  options.TrimAroundEquals = true;
  options.StripValueQuotes = true;
  options.TrimLineEnds = true;
  options.DropLinesWithoutEquals = true;
  TIniStore store(path, options);
  EXPECT_EQ(SectionLines(store, "S"), (TStrings{"K=v", "Q='x\"", "R=\"", "T=x", "=lead"}));

  TIniStore plain(path);
  EXPECT_EQ(SectionLines(plain, "S").size(), 7u);
}

TEST_F(IniStoreTest, TrimAroundEqualsAndQuotesLeaveALeadingEqualsAlone) {
  TLoadOptions options;
  options.TrimAroundEquals = true;
  options.StripValueQuotes = true;
  TIniStore store(FileWith("[S]\r\n =  x\r\n=\"q\"\r\nK=\"\"\r\n"), options);
  EXPECT_EQ(SectionLines(store, "S"), (TStrings{"=x", "=\"q\"", "K="}));
}

// ---------------------------------------------------------------------------
// Lookup positions

TEST(SectionListTest, IndexOfScansOnFromTheLastHit) {
  TSectionList list;
  list.Add("QA1");
  list.Add("Other");
  list.Add("qa1");
  EXPECT_EQ(list.IndexOf("QA1"), 0);
  list.LastIndex = 1;
  EXPECT_EQ(list.IndexOf("Qa1"), 2);  // from LastIndex to the end first
  EXPECT_EQ(list.LastIndex, 2);
  EXPECT_EQ(list.IndexOf("missing"), -1);
  EXPECT_EQ(list.LastIndex, 2);
  EXPECT_EQ(list.Find("qa1", 0), 0);
  EXPECT_EQ(list.LastIndex, 2);
  list.Delete(0);
  EXPECT_EQ(list.LastIndex, 0);
  EXPECT_EQ(list.IndexOf("qa1"), 1);
  list.RemoveMarked({false, true});
  EXPECT_EQ(list.IndexOf("qa1"), -1);
  EXPECT_EQ(list.IndexOf("OTHER"), 0);
}

TEST(SectionListTest, ThousandsOfSectionsStayFindableThroughGrowthAndRemoval) {
  TSectionList list;
  for (int i = 0; i < 5000; ++i) list.Add("QA" + std::to_string(i));
  TStrings* first = &list.SectionItems(0);
  list.Add("late");
  EXPECT_EQ(first, &list.SectionItems(0)) << "line lists stay where they are";
  std::vector<bool> marked(list.Count(), false);
  for (int i = 0; i < 5000; i += 2) marked[i] = true;
  list.RemoveMarked(marked);
  EXPECT_EQ(list.Count(), 2501);
  EXPECT_EQ(list.IndexOf("qa4998"), -1);
  EXPECT_EQ(list.IndexOf("qa4999"), 2499);
  EXPECT_EQ(list.IndexOf("LATE"), 2500);
}

TEST_F(IniStoreTest, KeyLookupMovesCurrentSectionAsTheCircularScanWould) {
  TIniStore store(FileWith("[A]\r\na=1\r\n[B]\r\nb=1\r\n[C]\r\nc=1\r\n"));
  store.ReadString("B", "b", "");
  EXPECT_EQ(store.CurrentSection, 1);
  store.ReadString("missing", "x", "");
  EXPECT_EQ(store.CurrentSection, 0);  // the scan from 1 ends on the position before it
  store.WriteString("D", "d", "1");
  EXPECT_EQ(store.CurrentSection, 3);
}

// ---------------------------------------------------------------------------
// Sizes

TEST_F(IniStoreTest, LongLinesAndManySectionsLoadWhole) {
  const std::string longValue(3'000'000, 'x');
  std::string content = "[S]\r\nK=" + longValue + "\r\n";
  for (int i = 1; i <= 3000; ++i)
    content += "[QA" + std::to_string(i) + "]\nQUESTION=" + std::to_string(i) + "\n";
  TIniStore store(FileWith(content));
  EXPECT_EQ(store.ReadString("S", "K", "").size(), longValue.size());
  for (int i = 3000; i >= 1; i -= 7)
    ASSERT_EQ(store.ReadString("qa" + std::to_string(i), "question", ""), std::to_string(i));
}

TEST_F(IniStoreTest, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
  const std::string path = Dir.File("pipe.qwt");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  try {
    TIniStore store(path);
    FAIL() << "a pipe loaded as a file";
  } catch (const TIoError& error) {
    EXPECT_EQ(error.Reason, "Not a regular file");
  }
}

TEST_F(IniStoreTest, AFolderWhereTheFileShouldBeIsAReadError) {
  std::filesystem::create_directory(Dir.File("folder.ini"));
  try {
    TIniStore store(Dir.File("folder.ini"));
    FAIL() << "a folder loaded as a file";
  } catch (const TIoError& error) {
    EXPECT_EQ(error.Path, Dir.File("folder.ini"));
    EXPECT_NE(std::string(error.what()).find("folder.ini"), std::string::npos);
  }
}
