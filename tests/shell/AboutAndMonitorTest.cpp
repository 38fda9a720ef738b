#include <gtest/gtest.h>

#include "FakeLocale.h"
#include "MemoryClipboard.h"
#include "shell/AboutInfo.h"
#include "shell/ClipboardMonitor.h"

TEST(FormatBuildDate, ShortAndLongForms) {
  FakeLocale locale;
  EXPECT_EQ(FormatBuildDate(kBuildDateCode, true, locale), "14.02.01");
  EXPECT_EQ(FormatBuildDate(kBuildDateCode, false, locale), "1-2-2014");
  EXPECT_EQ(FormatBuildDate(0x0E0230, false, locale), "") << "30 February";
  EXPECT_EQ(FormatBuildDate(0x0E0D01, true, locale), "") << "month 13";
  EXPECT_EQ(FormatBuildDate(0x18021D, true, locale), "24.02.29") << "a leap day";
  EXPECT_EQ(FormatBuildDate(0x17021D, true, locale), "") << "no leap day in 2023";
}

TEST(ClipboardMonitor, InsertsEachNewTextOnlyWhileShown) {
  MemoryClipboard clipboard;
  clipboard.SetText("already there");
  std::vector<std::string> inserted;
  {
    TClipboardMonitor monitor(clipboard, [&](const std::string& t) { inserted.push_back(t); });
    clipboard.SetText("early");  // before the dialog shows
    monitor.SetVisible(true);
    clipboard.SetText("one");
    clipboard.SetFileList({"/tmp/a"});  // not text
    clipboard.SetText("two");
  }
  clipboard.SetText("after close");
  EXPECT_EQ(inserted, (std::vector<std::string>{"one\r\n", "two\r\n"}));
}
