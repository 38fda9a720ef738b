#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "editor/ScribEditStringList.h"
#include "support/Utf8.h"

namespace {

namespace fs = std::filesystem;

// A folder of its own for each test, removed afterwards. The random part
// keeps test programs that run at the same time out of each other's way.
class LoadSave : public ::testing::Test {
 protected:
  void SetUp() override {
    do {
      folder_ =
          fs::temp_directory_path() / ("scribant-buffer-" + std::to_string(std::random_device()()));
    } while (!fs::create_directory(folder_));
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& bytes) {
    const std::string path = (folder_ / ("in" + std::to_string(files_++))).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }
  // Loads `bytes` from a file and saves them to another; returns what was written.
  std::string RoundTrip(const std::string& bytes, TScribEditStringList& lines) {
    lines.LoadFromFile(Write(bytes));
    const std::string out = (folder_ / "out").string();
    lines.SaveToFile(out);
    EXPECT_TRUE(lines.SaveToString() == Read(out)) << "file and string saving agree";
    return Read(out);
  }

  fs::path folder_;
  int files_ = 0;
};

// Random source-like text with the given break and NUL bytes here and there.
std::string GeneratedText(int lineCount, const std::string& lineBreak, unsigned seed) {
  std::mt19937 random(seed);
  std::string text;
  for (int i = 0; i < lineCount; ++i) {
    if (i > 0) text += lineBreak;
    const int length = static_cast<int>(random() % 40);
    for (int j = 0; j < length; ++j) {
      const char c = static_cast<char>(random() % 96 + 32);
      text += random() % 50 == 0 ? '\0' : random() % 10 == 0 ? '\t' : c;
    }
  }
  return text;
}

// The loading rule spelled out byte by byte: a line ends at CR, LF or CR LF,
// and data ending in a break gets one more, empty line.
std::vector<std::string> NaiveLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < bytes.size()) {
    std::string line;
    while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n') line += bytes[i++];
    lines.push_back(line);
    if (i < bytes.size() && bytes[i] == '\r') ++i;
    if (i < bytes.size() && bytes[i] == '\n') ++i;
  }
  if (!bytes.empty() && (bytes.back() == '\r' || bytes.back() == '\n')) lines.emplace_back();
  return lines;
}

std::vector<std::string> LinesOf(const TScribEditStringList& lines) {
  std::vector<std::string> result;
  for (int i = 0; i < lines.Count(); ++i) result.emplace_back(lines.Get(i));
  return result;
}

}  // namespace

TEST_F(LoadSave, UniformBreaksComeBackByteForByte) {
  for (const std::string lineBreak : {"\r\n", "\n", "\r"}) {
    for (const int lineCount : {1, 2, 7, 300}) {
      for (const bool finalBreak : {false, true}) {
        const std::string bytes =
            GeneratedText(lineCount, lineBreak, static_cast<unsigned>(lineCount)) +
            (finalBreak ? lineBreak : "");
        TScribEditStringList lines;
        EXPECT_EQ(RoundTrip(bytes, lines), bytes)
            << "break " << lineBreak.size() << " lines " << lineCount << " final " << finalBreak;
        EXPECT_EQ(lines.Count(), lineCount + (finalBreak ? 1 : 0));
      }
    }
  }
}

TEST_F(LoadSave, EmptyFileAndLoneBreaks) {
  TScribEditStringList lines;
  lines.Add("old");
  EXPECT_EQ(RoundTrip("", lines), "");
  EXPECT_EQ(lines.Count(), 0);
  EXPECT_EQ(lines.LineBreakStyle(), TScribLineBreakStyle::CrLf);
  EXPECT_EQ(RoundTrip("\n", lines), "\n");
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(RoundTrip("\r", lines), "\r");
  EXPECT_EQ(RoundTrip("\r\n\r\n", lines), "\r\n\r\n");
  EXPECT_EQ(lines.Count(), 3);
}

TEST_F(LoadSave, SplitsAtEveryBreakKindAndRemembersTheStyle) {
  TScribEditStringList lines;
  lines.LoadFromFile(Write("a\r\nb"));
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"a", "b"}));
  lines.LoadFromFile(Write("a\r\nb\r\n"));
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"a", "b", ""}));
  lines.LoadFromFile(Write("x\r\n"));
  EXPECT_EQ(lines.Count(), 2) << "loading, unlike Text, keeps the line after a final break";

  lines.LoadFromFile(Write("a\n\rb"));
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"a", "", "b"})) << "LF CR ends two lines";
  EXPECT_EQ(lines.LineBreakStyle(), TScribLineBreakStyle::CrLf);

  EXPECT_EQ(RoundTrip("1\r\n2\n3\r\n", lines), "1\r\n2\r\n3\r\n") << "mixed breaks become CR LF";
  EXPECT_EQ(RoundTrip("1\r2\r", lines), "1\r2\r");
  EXPECT_EQ(lines.LineBreakStyle(), TScribLineBreakStyle::Cr);

  lines.LoadFromFile(Write("one line"));
  lines.Add("two");
  lines.SaveToFile((folder_ / "out").string());
  EXPECT_EQ(Read((folder_ / "out").string()), "one line\r\ntwo");
}

TEST_F(LoadSave, LoadingFromAStreamStartsAtItsBeginning) {
  std::istringstream stream("a\nb\n");
  stream.seekg(2);
  TScribEditStringList lines;
  lines.LoadFromStream(stream);
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"a", "b", ""}));
  std::ostringstream out;
  lines.SaveToStream(out);
  EXPECT_EQ(out.str(), "a\nb\n");
}

TEST_F(LoadSave, HugeLineWithNulBytesSurvives) {
  std::string line(50 * 1024 * 1024, 'x');
  for (std::size_t i = 0; i < line.size(); i += 4099) line[i] = '\0';
  const std::string bytes = "first\r" + line + "\rlast";
  TScribEditStringList lines;
  EXPECT_TRUE(RoundTrip(bytes, lines) == bytes);
  ASSERT_EQ(lines.Count(), 3);
  EXPECT_TRUE(lines.Get(1) == line);
  EXPECT_EQ(lines.CharCount(), static_cast<std::int64_t>(line.size()) + 5 + 4 + 4);
  EXPECT_EQ(lines.LineOfCharIndex(7 + 1000), 1);
}

#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
TEST_F(LoadSave, RunningOutOfMemoryKeepsTheBufferAndSaysWhy) {
  // 64 MB of lines against an address space that has 32 MB to spare, in a
  // child process so that the limit binds nobody else.
  std::string bytes(64 * 1024 * 1024, 'x');
  for (std::size_t i = 99; i < bytes.size(); i += 100) bytes[i] = '\n';
  const std::string path = Write(bytes);
  bytes = std::string();
  const auto loadWithLittleMemory = [&path] {
    TScribEditStringList lines;
    lines.SetText("keep\r\nme");
    std::ifstream status("/proc/self/status");
    std::string key;
    long long kilobytes = 0;
    while (status >> key && key != "VmSize:") status.ignore(1 << 10, '\n');
    status >> kilobytes;
    const rlim_t limit = static_cast<rlim_t>(kilobytes + 32 * 1024) * 1024;
    const rlimit addressSpace{limit, limit};
    if (setrlimit(RLIMIT_AS, &addressSpace) != 0) std::_Exit(2);
    try {
      lines.LoadFromFile(path);
    } catch (const EScribEditFileError& error) {
      const bool clear =
          std::string(error.what()).find("Cannot allocate memory") != std::string::npos;
      std::_Exit(clear && lines.Text() == "keep\r\nme" ? 0 : 3);
    }
    std::_Exit(4);  // the limit did not bite
  };
  EXPECT_EXIT(loadWithLittleMemory(), ::testing::ExitedWithCode(0), "");
}
#endif

TEST_F(LoadSave, FailedOpenLeavesTheBufferAndReportsThePath) {
  TScribEditStringList lines;
  lines.SetText("keep\r\nme");
  int changes = 0;
  lines.OnChanging = [&](TScribEditStringList&) { ++changes; };
  const std::string missing = (folder_ / "missing.txt").string();
  try {
    lines.LoadFromFile(missing);
    ADD_FAILURE() << "no error";
  } catch (const EScribEditFileError& error) {
    EXPECT_NE(std::string(error.what()).find("Cannot open file \"" + missing + "\""),
              std::string::npos);
  }
  EXPECT_THROW(lines.LoadFromFile(folder_.string()), EScribEditFileError) << "a folder";
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"keep", "me"}));
  EXPECT_EQ(changes, 0);

  EXPECT_THROW(lines.SaveToFile((folder_ / "no" / "such" / "folder.txt").string()),
               EScribEditFileError);
  EXPECT_THROW(lines.SaveToFile(folder_.string()), EScribEditFileError);
  if (fs::exists("/dev/full")) {
    EXPECT_THROW(lines.SaveToFile("/dev/full"), EScribEditFileError) << "a full disk";
    lines.Add(std::string(100000, 'z'));
    EXPECT_THROW(lines.SaveToFile("/dev/full"), EScribEditFileError) << "failing mid-way";
  }
}

TEST_F(LoadSave, LinesLongerThanTheWriterBufferAreWrittenWhole) {
  TScribEditStringList lines;
  lines.Add(std::string(10000, 'a'));
  lines.Add(std::string(40000, 'b'));
  lines.Add("c");
  lines.Add(std::string(16383, 'd'));
  const std::string out = (folder_ / "out").string();
  lines.SaveToFile(out);
  EXPECT_TRUE(Read(out) == lines.SaveToString());
  EXPECT_EQ(Read(out).size(), 10000u + 40000 + 1 + 16383 + 6);
}

// UTF-8 as the file holds it: behind a byte-order mark, which is not text.
std::optional<std::string> Utf8TextOf(const std::string& bytes) {
  const std::string text = bytes.starts_with(kUtf8ByteOrderMark) ? bytes.substr(3) : bytes;
  if (!utf8::IsValid(text)) return std::nullopt;
  return text;
}

TEST(LoadPieces, LoadingInTinyPiecesOrUpToALimitSplitsLikeTheTextAndFindsTheEncoding) {
  // Breaks of every kind, pairs such as LF CR, CR at the ends of pieces;
  // byte-order marks, characters and broken characters.
  std::mt19937 random(7);
  const char alphabet[] = {'a', 'b', '\r', '\n', '\0', '\t', '\xC3', '\xA9', '\xE2', '\x82'};
  for (int round = 0; round < 600; ++round) {
    std::string bytes(random() % 40, ' ');
    for (char& c : bytes) c = alphabet[random() % sizeof alphabet];
    if (round % 3 == 0) bytes.insert(0, kUtf8ByteOrderMark.substr(0, round % 4));
    // A mark after a short first line is text, however small the pieces.
    if (round % 3 == 1) bytes.insert(random() % (bytes.size() + 1), kUtf8ByteOrderMark);
    TScribEditStringList whole;
    whole.LoadFromBytes(bytes);
    const std::optional<std::string> utf8Text = Utf8TextOf(bytes);
    ASSERT_EQ(LinesOf(whole), NaiveLines(utf8Text.value_or(bytes)));
    ASSERT_EQ(whole.Encoding(), !utf8Text                         ? TTextEncoding::Windows1252
                                : utf8Text->size() < bytes.size() ? TTextEncoding::Utf8Bom
                                                                  : TTextEncoding::Utf8);
    ASSERT_EQ(whole.LoadedMixedLineBreaks(), whole.SaveToString() != bytes)
        << "mixed exactly when saving cannot give the bytes back";
    for (const std::size_t piece : {1u, 2u, 3u, 5u, 64u}) {
      std::istringstream stream(bytes);
      // Small blocks and groups too, so that lines also cross their boundaries.
      TScribEditStringList pieces({.loadPieceBytes = piece,
                                   .blocks = {.blockLines = 2, .blockBytes = 3, .groupBlocks = 2}});
      pieces.LoadFromStream(stream);
      ASSERT_EQ(LinesOf(pieces), LinesOf(whole)) << "piece size " << piece;
      ASSERT_EQ(pieces.LineBreakStyle(), whole.LineBreakStyle());
      ASSERT_EQ(pieces.LoadedMixedLineBreaks(), whole.LoadedMixedLineBreaks());
      ASSERT_EQ(pieces.CharCount(), whole.CharCount());
      ASSERT_EQ(pieces.Encoding(), whole.Encoding());
      // A file growing while it is read is read as it was at opening.
      const std::size_t limit = random() % (bytes.size() + 1);
      std::istringstream growing(bytes);
      TScribEditStringList limited;
      limited.LoadFromStream(growing, limit);
      const std::string read = bytes.substr(0, limit);
      ASSERT_EQ(LinesOf(limited), NaiveLines(Utf8TextOf(read).value_or(read))) << "limit " << limit;
    }
  }
}
