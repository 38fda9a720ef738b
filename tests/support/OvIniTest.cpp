#include <gtest/gtest.h>

#include "IniFileFixture.h"
#include "support/OvIni.h"
#include "support/OvLib.h"

namespace {

class OvIniTest : public IniFileFixture {};

TEST_F(OvIniTest, MissingFileReadsAsEmptyAndFirstWriteCreatesIt) {
  EXPECT_EQ(ini_.ReadString("General", "Caption", "dflt"), "dflt");
  EXPECT_EQ(ini_.ReadInteger("General", "Count", 7), 7);
  std::vector<std::string> keys{"stale"};
  EXPECT_EQ(ini_.ReadSectionKeys("General", keys), 0);
  EXPECT_TRUE(keys.empty());
  EXPECT_EQ(ini_.EraseSectionKeys("General"), 0);
  EXPECT_FALSE(std::filesystem::exists(Path())) << "reads and empty erases touch no file";

  EXPECT_TRUE(ini_.WriteString("General", "Caption", "%a <%f>"));
  EXPECT_EQ(Bytes(), "[General]\r\nCaption=%a <%f>\r\n");
  EXPECT_EQ(ini_.ReadString("general", "CAPTION", ""), "%a <%f>") << "names ignore case";
  EXPECT_EQ(folder_.CountEntries(), 1) << "no temporary file is left behind";
}

TEST_F(OvIniTest, EmptySectionOrKeyReadsEmptyWithoutDefault) {
  SetBytes("[]\r\n=x\r\n[S]\r\n=y\r\n");
  EXPECT_EQ(ini_.ReadString("", "k", "dflt"), "");
  EXPECT_EQ(ini_.ReadString("S", "", "dflt"), "");
  EXPECT_FALSE(ini_.WriteString("", "k", "v"));
  EXPECT_FALSE(ini_.WriteString("S", "  ", "v"));
}

TEST_F(OvIniTest, QuotingKeepsBlanksAndOuterQuotesThroughARoundTrip) {
  const std::vector<std::string> values{"  two leading",
                                        "trailing tab\t",
                                        "'apostrophes'",
                                        "\"only start",
                                        "\"mixed'",
                                        "\"\"",
                                        "\"a\"b\"",
                                        "",
                                        "plain value",
                                        " ",
                                        "'",
                                        "in \"the\" middle"};
  for (const std::string& value : values) {
    ASSERT_TRUE(ini_.WriteString("Q", "Value", value)) << value;
    EXPECT_EQ(ini_.ReadString("Q", "Value", "dflt"), value) << "round trip of [" << value << "]";
  }
  ini_.WriteString("Q", "Value", "  two");
  EXPECT_NE(Bytes().find("Value=\"  two\"\r\n"), std::string::npos);
  ini_.WriteString("Q", "Value", "'x'");
  EXPECT_NE(Bytes().find("Value=\"'x'\"\r\n"), std::string::npos);
  ini_.WriteString("Q", "Value", "\"start");
  EXPECT_NE(Bytes().find("Value=\"start\r\n"), std::string::npos) << "one quote: stored as is";
  ini_.WriteString("Q", "Value", "");
  EXPECT_NE(Bytes().find("Value=\r\n"), std::string::npos) << "the key stays with no value";
}

TEST_F(OvIniTest, ReaderTrimsBlanksAndStripsOnePairOfMatchingQuotes) {
  SetBytes(
      "[S]\n"
      "  Padded  =  \t value with  inner  blanks \t \n"
      "Double=\"  kept  \"\n"
      "Single=' kept '\n"
      "Twice=\"\"inner\"\"\n"
      "Unmatched=\"abc'\n"
      "OneQuote=\"\n");
  EXPECT_EQ(ini_.ReadString("S", "padded", ""), "value with  inner  blanks");
  EXPECT_EQ(ini_.ReadString("S", "Double", ""), "  kept  ");
  EXPECT_EQ(ini_.ReadString("S", "Single", ""), " kept ");
  EXPECT_EQ(ini_.ReadString("S", "Twice", ""), "\"inner\"");
  EXPECT_EQ(ini_.ReadString("S", "Unmatched", ""), "\"abc'");
  EXPECT_EQ(ini_.ReadString("S", "OneQuote", ""), "\"");
}

TEST_F(OvIniTest, LongValuesComeBackCutTo511Characters) {
  const std::string value(600, 'v');
  ASSERT_TRUE(ini_.WriteString("S", "Long", value));
  EXPECT_EQ(ini_.ReadString("S", "Long", ""), value.substr(0, 511));
  EXPECT_NE(Bytes().find(value), std::string::npos) << "the file holds the whole value";
}

TEST_F(OvIniTest, ReadIntegerFollowsTheIntegerRule) {
  SetBytes(
      "[N]\r\nHex=0x1F4\r\nDollar=$1f4\r\nX=x1F4\r\nBigX=0X1f4\r\nDec=500\r\nPlus=+500\r\n"
      "Neg=-10\r\nTwos=0xFFFFFFF6\r\nMin=-2147483648\r\nMax=2147483647\r\nSpaced=\"  42\"\r\n"
      "Wrap=$80000000\r\n"
      "Over=2147483648\r\nUnder=-2147483649\r\nLetters=12ab\r\nEmpty=\r\nBare=0x\r\n"
      "Dollar0=$\r\nSignedHex=-0x10\r\nNine=0x123456789\r\nInner=1 2\r\nTrail=\"12 \"\r\n"
      "Huge=99999999999999999999999\r\nSignOnly=-\r\n");
  const std::vector<std::pair<std::string, int>> valid{
      {"Hex", 500},       {"Dollar", 500},    {"X", 500},     {"BigX", 500},
      {"Dec", 500},       {"Plus", 500},      {"Neg", -10},   {"Twos", -10},
      {"Min", INT32_MIN}, {"Max", INT32_MAX}, {"Spaced", 42}, {"Wrap", INT32_MIN}};
  for (const auto& [key, expected] : valid) {
    EXPECT_EQ(ini_.ReadInteger("N", key, 77), expected) << key;
  }
  for (const char* key : {"Over", "Under", "Letters", "Empty", "Bare", "Dollar0", "SignedHex",
                          "Nine", "Inner", "Trail", "Huge", "SignOnly", "Missing"}) {
    EXPECT_EQ(ini_.ReadInteger("N", key, 77), 77) << key;
  }
}

TEST_F(OvIniTest, WriteIntegerUsesHexPrefixAndTwosComplement) {
  ASSERT_TRUE(ini_.WriteHexInteger("N", "Hex", "0x", 300));
  ASSERT_TRUE(ini_.WriteHexInteger("N", "Negative", "0x", -10));
  ASSERT_TRUE(ini_.WriteHexInteger("N", "Zero", "0x", 0));
  ASSERT_TRUE(ini_.WriteInteger("N", "Decimal", INT32_MIN));
  ASSERT_TRUE(ini_.WriteHexInteger("N", "Dollar", "$", 255));

  EXPECT_EQ(Bytes(),
            "[N]\r\nHex=0x12C\r\nNegative=0xFFFFFFF6\r\nZero=0x0\r\nDecimal=-2147483648\r\n"
            "Dollar=$FF\r\n");
  EXPECT_EQ(ini_.ReadInteger("N", "Hex", 0), 300);
  EXPECT_EQ(ini_.ReadInteger("N", "Negative", 0), -10);
  EXPECT_EQ(ini_.ReadInteger("N", "Decimal", 0), INT32_MIN);
  EXPECT_EQ(ini_.ReadInteger("N", "Dollar", 0), 255);
}

TEST_F(OvIniTest, BooleansAreOneOrTrueInAnyCase) {
  SetBytes("[B]\nOne=1\nUpper=TRUE\nMixed=tRuE\nYes=yes\nTwo=2\nZero=0\nEmpty=\n");
  EXPECT_TRUE(ini_.ReadBool("B", "One", false));
  EXPECT_TRUE(ini_.ReadBool("B", "Upper", false));
  EXPECT_TRUE(ini_.ReadBool("B", "Mixed", false));
  EXPECT_FALSE(ini_.ReadBool("B", "Yes", true));
  EXPECT_FALSE(ini_.ReadBool("B", "Two", true));
  EXPECT_FALSE(ini_.ReadBool("B", "Zero", true));
  EXPECT_TRUE(ini_.ReadBool("B", "Empty", true)) << "an empty value gives the default";
  EXPECT_TRUE(ini_.ReadBool("B", "Missing", true));
  ASSERT_TRUE(ini_.WriteBool("B", "Written", true));
  ASSERT_TRUE(ini_.WriteBool("B", "Cleared", false));
  EXPECT_NE(Bytes().find("Written=1\nCleared=0\n"), std::string::npos);
}

TEST_F(OvIniTest, SectionKeysAreListedOnceInFileOrderAndErased) {
  SetBytes(
      "orphan=1\n[Recent]\nFile2=b\n; comment\nfile1=a\nFILE2=dup\nnoequals\n\n"
      "[Other]\nFile9=z\n[recent]\nLate=x\n");
  std::vector<std::string> keys;
  EXPECT_EQ(ini_.ReadSectionKeys("RECENT", keys), 2);
  EXPECT_EQ(keys, (std::vector<std::string>{"File2", "file1"}));
  EXPECT_EQ(ini_.ReadString("Recent", "file2", ""), "b") << "the first of duplicates wins";
  EXPECT_EQ(ini_.ReadString("Recent", "Late", "dflt"), "dflt") << "a repeated section is not read";

  EXPECT_EQ(ini_.EraseSectionKeys("Recent"), 2);
  EXPECT_EQ(Bytes(),
            "orphan=1\n[Recent]\n; comment\nnoequals\n\n[Other]\nFile9=z\n[recent]\nLate=x\n");
  EXPECT_EQ(ini_.ReadSectionKeys("Recent", keys), 0);
  EXPECT_EQ(ini_.EraseSectionKeys("Recent"), 0);
  EXPECT_EQ(ini_.EraseSectionKeys("Nowhere"), 0);
}

TEST_F(OvIniTest, KeyListStopsAtTheBufferLimit) {
  // 16384 bytes hold names of 99 characters (100 with their NUL) 163 times,
  // plus the final NUL; the 164th name does not fit.
  std::string content = "[Big]\r\n";
  for (int i = 0; i < 200; ++i) {
    std::string name = std::to_string(1000 + i);
    name.resize(99, 'k');
    content += name + "=v\r\n";
  }
  SetBytes(content);
  std::vector<std::string> keys;
  EXPECT_EQ(ini_.ReadSectionKeys("Big", keys), 163);
  EXPECT_EQ(keys.back().substr(0, 4), "1162");
  EXPECT_EQ(ini_.EraseSectionKeys("Big"), 163);
  EXPECT_EQ(ini_.ReadSectionKeys("Big", keys), 37) << "the names beyond the buffer remain";
  EXPECT_EQ(keys.front().substr(0, 4), "1163");
}

TEST_F(OvIniTest, NamesOrValuesThatWouldCorruptTheFileAreRefused) {
  SetBytes("[S]\r\nKey=old\r\n");
  const std::string before = Bytes();
  EXPECT_FALSE(ini_.WriteString("S", "a=b", "v"));
  EXPECT_FALSE(ini_.WriteString("S", "a]", "v"));
  EXPECT_FALSE(ini_.WriteString("S", ";comment", "v"));
  EXPECT_FALSE(ini_.WriteString("S", "[x", "v"));
  EXPECT_FALSE(ini_.WriteString("S", "line\nbreak", "v"));
  EXPECT_FALSE(ini_.WriteString("S]", "Key", "v"));
  EXPECT_FALSE(ini_.WriteString("S=1", "Key", "v"));
  EXPECT_FALSE(ini_.WriteString("S\r", "Key", "v"));
  EXPECT_FALSE(ini_.WriteString("S", "Key", "two\r\nlines"));
  EXPECT_FALSE(ini_.WriteString("S", "Key", "cr\ronly"));
  EXPECT_FALSE(ini_.WriteString("S", "Key", std::string("nul\0byte", 8)));
  EXPECT_FALSE(ini_.WriteString("S", std::string("k\0", 2), "v"));
  EXPECT_EQ(Bytes(), before);
  EXPECT_TRUE(ini_.WriteString(" S ", " Key ", "new")) << "blanks around names are ignored";
  EXPECT_EQ(Bytes(), "[S]\r\nKey=new\r\n");
}

TEST_F(OvIniTest, ABatchReadsTheFileOnceAndWritesItOnce) {
  SetBytes("[S]\r\nk=1\r\n");
  EXPECT_EQ(ini_.ReadString("S", "k", ""), "1");
  WriteBytes(Path(), "[S]\r\nk=changed elsewhere\r\n");
  EXPECT_EQ(ini_.ReadString("S", "k", ""), "1") << "read once, at the first call";
  ASSERT_TRUE(ini_.WriteString("S", "a", "x"));
  ASSERT_TRUE(ini_.WriteInteger("S", "b", 2));
  EXPECT_EQ(ini_.EraseSectionKeys("S"), 3);
  ASSERT_TRUE(ini_.WriteString("S", "c", "y"));
  EXPECT_EQ(ReadBytes(Path()), "[S]\r\nk=changed elsewhere\r\n") << "nothing written yet";
  EXPECT_TRUE(ini_.Flush());
  EXPECT_EQ(ReadBytes(Path()), "[S]\r\nc=y\r\n");
  ini_.SetFileName(Path());
  WriteBytes(Path(), "[S]\r\nk=new\r\n");
  EXPECT_EQ(ini_.ReadString("S", "k", ""), "new") << "a new batch reads afresh";
}

}  // namespace
