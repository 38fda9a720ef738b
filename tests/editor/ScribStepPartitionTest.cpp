#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "editor/ScribStepPartition.h"

namespace {

// Every boundary, and a lookup at and just before every one, against the
// plain list of part sizes.
template <typename T>
void ExpectMatches(const TScribStepPartition<T>& partition, const std::vector<T>& sizes) {
  ASSERT_EQ(partition.PartCount(), static_cast<int>(sizes.size()));
  T start = 0;
  for (int part = 0; part <= partition.PartCount(); ++part) {
    ASSERT_EQ(partition.Start(part), start) << "part " << part;
    // Of several boundaries at one position the last one is found.
    int last = part;
    while (last < partition.PartCount() && sizes[last] == 0) ++last;
    ASSERT_EQ(partition.BoundaryAtOrBefore(start), last) << "position " << start;
    if (part < partition.PartCount()) start += sizes[part];
  }
  EXPECT_EQ(partition.Total(), start);
  EXPECT_EQ(partition.BoundaryAtOrBefore(-1), 0);
}

template <typename T>
void RunRandomChanges(unsigned seed) {
  std::mt19937 random(seed);
  TScribStepPartition<T> partition;
  std::vector<T> sizes;
  const auto below = [&random](int n) { return n > 0 ? static_cast<int>(random() % n) : 0; };
  for (int step = 0; step < 4000; ++step) {
    const int count = static_cast<int>(sizes.size());
    const int part = below(count);
    switch (below(5)) {
      case 0: {
        const int at = below(count + 1);
        const int added = 1 + below(3);
        partition.InsertEmpty(at, added);
        sizes.insert(sizes.begin() + at, added, 0);
        break;
      }
      case 1:
        if (count > 0) {
          const int removed = std::min(count - part, 1 + below(3));
          partition.Remove(part, removed);
          sizes.erase(sizes.begin() + part, sizes.begin() + part + removed);
        }
        break;
      case 2:
        if (count > 0 && sizes[part] > 0) {
          const T shrink = 1 + below(static_cast<int>(sizes[part]));
          partition.Resize(part, -shrink);
          sizes[part] -= shrink;
        }
        break;
      case 3:
        if (count > 0) {
          const T grow = 1 + below(5);
          partition.Resize(part, grow);
          sizes[part] += grow;
        }
        break;
      default: {
        const T size = below(4);
        partition.Append(size);
        sizes.push_back(size);
      }
    }
    if (step % 61 == 0) ExpectMatches(partition, sizes);
    if (::testing::Test::HasFatalFailure()) FAIL() << "step " << step;
  }
  ExpectMatches(partition, sizes);
}

TEST(ScribStepPartition, RandomChangesMatchPlainSizes) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    RunRandomChanges<std::int32_t>(seed);
    RunRandomChanges<std::int64_t>(seed + 100);
  }
}

TEST(ScribStepPartition, EmptyPartitionHasNothing) {
  TScribStepPartition<std::int32_t> partition;
  EXPECT_EQ(partition.Total(), 0);
  EXPECT_EQ(partition.BoundaryAtOrBefore(0), 0);
  partition.Append(1);
  partition.Remove(0, 1);
  EXPECT_EQ(partition.PartCount(), 0);
  EXPECT_EQ(partition.Total(), 0);
}

}  // namespace
