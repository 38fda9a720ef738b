#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "editor/WordWrapRowPartition.h"

namespace {

// Checks every cumulative value and a row -> line lookup for every row
// against the plain rows-per-line list.
void ExpectMatches(const TScribRowPartition& partition, const std::vector<int>& rowsPerLine) {
  ASSERT_EQ(partition.Count(), static_cast<int>(rowsPerLine.size()));
  std::int32_t total = 0;
  for (int line = 0; line < partition.Count(); ++line) {
    for (int k = 0; k < rowsPerLine[line]; ++k) ASSERT_EQ(partition.LineOfRow(total + k), line);
    total += rowsPerLine[line];
    ASSERT_EQ(partition.RowsThrough(line), total) << "line " << line;
  }
  EXPECT_EQ(partition.TotalRows(), total);
  EXPECT_EQ(partition.LineOfRow(total), partition.Count());
}

TEST(ScribRowPartition, RandomChangesMatchPlainCounts) {
  std::mt19937 random(7);
  TScribRowPartition partition;
  std::vector<int> rows;
  for (int step = 0; step < 3000; ++step) {
    const int count = static_cast<int>(rows.size());
    const int line = count ? static_cast<int>(random() % count) : 0;
    switch (random() % 4) {
      case 0: {
        const int added = 1 + static_cast<int>(random() % 3);
        partition.InsertEmpty(line, added);
        rows.insert(rows.begin() + line, added, 0);
        for (int k = 0; k < added; ++k) {
          const int lineRows = 1 + static_cast<int>(random() % 4);
          partition.AddRows(line + k, lineRows);
          rows[line + k] += lineRows;
        }
        break;
      }
      case 1:
        if (count) {
          const int removed = std::min(count - line, 1 + static_cast<int>(random() % 3));
          partition.Remove(line, removed);
          rows.erase(rows.begin() + line, rows.begin() + line + removed);
        }
        break;
      case 2:
        if (count && rows[line] > 1) {
          partition.AddRows(line, -1);
          --rows[line];
        }
        break;
      default:
        partition.Append(2);
        rows.push_back(2);
        if (count) {
          partition.AddRows(line, 3);
          rows[line] += 3;
        }
    }
    if (step % 97 == 0) ExpectMatches(partition, rows);
  }
  ExpectMatches(partition, rows);
}

TEST(ScribRowPartition, EmptyPartitionHasNoRows) {
  TScribRowPartition partition;
  EXPECT_EQ(partition.TotalRows(), 0);
  EXPECT_EQ(partition.LineOfRow(0), 0);
  partition.Append(1);
  partition.Remove(0, 5);
  EXPECT_EQ(partition.Count(), 0);
  EXPECT_EQ(partition.TotalRows(), 0);
}

}  // namespace
