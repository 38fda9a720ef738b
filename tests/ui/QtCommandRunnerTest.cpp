#include <gtest/gtest.h>

#include "TempFolder.h"
#include "ui/QtCommandRunner.h"

TEST(QtCommandRunner, FindsProgramsOnTheSearchPathOnly) {
  QtCommandRunner runner;
  const std::optional<std::filesystem::path> shell = runner.Find("sh");
  ASSERT_TRUE(shell);
  EXPECT_TRUE(shell->is_absolute());
  EXPECT_FALSE(runner.Find("scribant-no-such-helper"));
  EXPECT_FALSE(runner.Find(""));
}

TEST(QtCommandRunner, PassesArgumentsUntouchedAndReportsTheExitCode) {
  QtCommandRunner runner;
  const std::filesystem::path shell = *runner.Find("sh");
  EXPECT_EQ(runner.Run(shell, {"-c", "exit 3"}), 3);
  // Blanks, quotes and shell characters arrive as one argument each.
  const std::string tricky = "a b;c $(x) 'd\" *";
  EXPECT_EQ(runner.Run(shell, {"-c", "[ \"$1\" = \"$2\" ] && [ $# -eq 2 ]", "sh", tricky, tricky}),
            0);
  TempFolder folder;
  const std::string marker = (folder.Path() / "made").string();
  EXPECT_EQ(runner.Run(shell, {"-c", "touch \"$1\"", "sh", marker + "; rm -rf x"}), 0);
  EXPECT_TRUE(std::filesystem::exists(marker + "; rm -rf x"));
}

TEST(QtCommandRunner, FailsWithoutStartingOrWhenTheHelperHangs) {
  TempFolder folder;
  QtCommandRunner runner(300);
  EXPECT_EQ(runner.Run(folder.Path() / "missing-helper", {}), -1);
  const std::filesystem::path shell = *runner.Find("sh");
  EXPECT_EQ(runner.Run(shell, {"-c", "sleep 20"}), -1) << "killed after the timeout";
  EXPECT_EQ(runner.Run(shell, {"-c", "kill -9 $$"}), -1) << "a crash is no exit code";
}
