#include "tools/SectionList.h"

#include <cstdio>
#include <cstdlib>

#include "support/CharClasses.h"
#include "support/Utf8.h"

namespace {

constexpr std::string_view kBannerStart = "------";
constexpr std::string_view kNameStart = "-- ";
// A banner is three lines; the section's body follows it.
constexpr std::int64_t kBannerLines = 3;

}  // namespace

std::string SectionNameOf(std::string_view nameLine, bool utf8) {
  std::size_t end = nameLine.size();
  for (int cut = 0; cut < 2 && end > 0; ++cut)
    end = utf8 ? utf8::PreviousCaretStop(nameLine, end) : end - 1;
  if (end <= 2) return {};
  std::string_view name = nameLine.substr(2, end - 2);
  while (!name.empty() && IsBlankOrControl(name.front())) name.remove_prefix(1);
  while (!name.empty() && IsBlankOrControl(name.back())) name.remove_suffix(1);
  return std::string(name);
}

std::vector<TSectionItem> BuildSectionList(std::int64_t lineCount, const TLineSource& lineAt,
                                           bool utf8) {
  std::vector<TSectionItem> items;
  items.push_back({"Top of File", TSectionMarker::TopOfFile, 1});
  for (std::int64_t i = 0; i + 1 < lineCount; ++i) {
    if (!lineAt(i).starts_with(kBannerStart)) continue;
    const std::string_view next = lineAt(i + 1);
    if (next.starts_with(kNameStart))
      items.push_back({SectionNameOf(next, utf8), TSectionMarker::Name, i + 1 + kBannerLines});
  }
  items.push_back({"End of File", TSectionMarker::EndOfFile, lineCount});
  return items;
}

std::size_t NearestSectionItem(const std::vector<TSectionItem>& items, std::int64_t caretLine) {
  std::size_t nearest = 0;
  for (std::size_t i = 1; i < items.size(); ++i) {
    if (std::llabs(items[i].targetLine - caretLine) <
        std::llabs(items[nearest].targetLine - caretLine))
      nearest = i;
  }
  return nearest;
}

std::string SectionLineNumberText(std::int64_t targetLine) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5lld", static_cast<long long>(targetLine));
  return text;
}
