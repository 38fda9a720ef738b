#include <gtest/gtest.h>

#include <array>
#include <random>

#include "ShellTestSupport.h"
#include "support/Utf8.h"

namespace {

// Random bytes from pieces that matter to encodings: marks, characters of
// one to four bytes, broken sequences, NUL and CR LF line breaks.
std::string RandomBytes(std::mt19937& random) {
  static const std::array<std::string, 11> pieces{"a",
                                                  "Z ",
                                                  "\r\n",
                                                  "\xEF\xBB\xBF",
                                                  "\xC3\xA9",
                                                  "\xE9",
                                                  "\xE4\xB8\xAD",
                                                  "\xF0\x9F\x98\x80",
                                                  "\xC3",
                                                  "\x80",
                                                  std::string(1, '\0')};
  std::string bytes;
  for (int n = std::uniform_int_distribution(0, 12)(random); n > 0; --n)
    bytes += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
  return bytes;
}

// Random UTF-8 text of characters Windows-1252 has.
std::string RandomWindows1252Text(std::mt19937& random) {
  static const std::array<std::string, 6> pieces{"x",        "\r\n",         "\xC3\xA9",
                                                 "\xC3\x9F", "\xE2\x82\xAC", "\xC5\x93"};
  std::string text;
  for (int n = std::uniform_int_distribution(1, 12)(random); n > 0; --n)
    text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
  return text;
}

}  // namespace

TEST(EncodingCommands, ReopeningInAnEncodingReadsTheBytesAsItAndSavesThemBack) {
  ShellFixture f;
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    const std::string bytes = RandomBytes(random);
    const std::string path = f.File("r.txt", bytes);
    f.shell.OpenDocument(path);
    for (const TTextEncoding encoding : {TTextEncoding::Windows1252, TTextEncoding::Utf8}) {
      SCOPED_TRACE(testing::PrintToString(bytes) + " as " + EncodingName(encoding));
      f.shell.ReopenWithEncoding_Cmd(encoding);
      EXPECT_EQ(f.editor.Lines().Encoding(), encoding);
      EXPECT_FALSE(f.editor.Modified());
      EXPECT_TRUE(f.shell.SaveDocument(false));
      EXPECT_EQ(ReadBytes(path), bytes);
    }
    EXPECT_EQ(f.editor.Text(), bytes) << "read as UTF-8, a mark is text too";
  }
  EXPECT_TRUE(f.dialogs.messages.empty()) << "nothing was asked";

  const std::string plain = f.File("plain.txt", "abc");
  f.shell.OpenDocument(plain);
  f.shell.ReopenWithEncoding_Cmd(TTextEncoding::Utf8Bom);
  f.dialogs.messageAnswers = {TMsgResult::Yes};
  EXPECT_TRUE(f.shell.SaveDocument(false));
  ASSERT_EQ(f.dialogs.messages.size(), 1u) << "adding the mark is asked about";
  EXPECT_NE(f.dialogs.messages[0].text.find("byte-order mark"), std::string::npos);
  EXPECT_EQ(ReadBytes(plain),
            "\xEF\xBB\xBF"
            "abc");
}

TEST(EncodingCommands, ReopeningAChangedDocumentAsksAndKeepsTheCaretsCharacter) {
  ShellFixture f;
  const std::string path = f.File("c.txt", "\xC3\xA9t\xC3\xA9");
  f.shell.OpenDocument(path);
  f.editor.SetCaretXY({4, 1});  // after "ét"
  f.Type("x");
  f.dialogs.messageAnswers = {TMsgResult::Cancel};
  f.shell.ReopenWithEncoding_Cmd(TTextEncoding::Windows1252);
  EXPECT_EQ(f.editor.Text(), "\xC3\xA9tx\xC3\xA9") << "cancelled";
  f.dialogs.messageAnswers = {TMsgResult::Ok};
  f.shell.ReopenWithEncoding_Cmd(TTextEncoding::Windows1252);
  EXPECT_EQ(f.dialogs.messages.back().caption, "Reload Current File?");
  EXPECT_EQ(f.editor.CaretXY(), (TBufferCoord{4, 1})) << "three characters in, bytes or not";
  f.shell.ReopenWithEncoding_Cmd(TTextEncoding::Utf8);
  EXPECT_EQ(f.editor.CaretXY(), (TBufferCoord{6, 1}));
}

TEST(EncodingCommands, ConvertingKeepsEveryCharacterOrAsksHowManyBecomeQuestionMarks) {
  ShellFixture f;
  std::mt19937 random(11);
  for (int round = 0; round < 100; ++round) {
    f.shell.NewDocument();
    f.editor.SetText(RandomWindows1252Text(random));
    const std::string text = f.editor.Text();
    SCOPED_TRACE(testing::PrintToString(text));
    f.shell.ConvertEncoding_Cmd(TTextEncoding::Windows1252);
    EXPECT_EQ(f.editor.Text(), utf8::ToWindows1252(text));
    EXPECT_EQ(f.panels[TScribantShell::kDocumentFormatPanel], "Windows-1252 \xC2\xB7 CRLF");
    EXPECT_TRUE(f.editor.Modified());
    f.shell.ConvertEncoding_Cmd(TTextEncoding::Utf8Bom);
    EXPECT_EQ(f.editor.Text(), text);
    EXPECT_EQ(f.editor.Lines().SaveToString().substr(0, 3), kUtf8ByteOrderMark);
  }
  EXPECT_TRUE(f.dialogs.messages.empty());

  f.editor.SetText("a\xE4\xB8\xAD\r\n\xF0\x9F\x98\x80\xC3\xA9");
  f.editor.SetCaretXY({5, 2});  // after the emoji
  f.dialogs.messageAnswers = {TMsgResult::No, TMsgResult::Yes};
  f.shell.ConvertEncoding_Cmd(TTextEncoding::Windows1252);
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text.substr(0, 40), "2 characters of this document are not in");
  EXPECT_EQ(f.editor.Lines().Encoding(), TTextEncoding::Utf8Bom) << "No keeps the document";
  f.shell.ConvertEncoding_Cmd(TTextEncoding::Windows1252);
  EXPECT_EQ(f.editor.Text(), "a?\r\n?\xE9");
  EXPECT_EQ(f.editor.CaretXY(), (TBufferCoord{2, 2}));
  EXPECT_FALSE(f.editor.CanUndo()) << "undo steps of the other encoding are gone";
}

TEST(EncodingCommands, ALegacyDocumentRefusesPastedCharactersItLacksAndSaysSo) {
  ShellFixture f;
  std::string message;
  f.shell.OnStatusMessage = [&message](const std::string& text) { message = text; };
  f.shell.OpenDocument(f.File("l.txt", "\xE9"));
  f.clipboard.SetText("\xE2\x82\xAC \xE4\xB8\xAD\xF0\x9F\x98\x80");
  f.editor.PasteFromClipboard();
  EXPECT_EQ(f.editor.Text(), "\xE9");
  EXPECT_EQ(message,
            "Not inserted: the text holds 2 characters that Windows-1252 lacks. Converting the "
            "document to UTF-8 (File > Convert Encoding) makes room for every character.");
  f.clipboard.SetText("\xE2\x82\xAC");
  f.editor.PasteFromClipboard();
  EXPECT_EQ(f.editor.Text(), "\x80\xE9");
}
