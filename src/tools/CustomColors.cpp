#include "tools/CustomColors.h"

#include <optional>
#include <vector>

void LoadCustomColors(const Registry& registry, TCustomColors& colours) {
  std::optional<std::vector<std::uint8_t>> bytes =
      registry.ReadBinary(TRegistryRoot::CurrentUser, kCustomColorsKey, kCustomColorsValue);
  if (!bytes || bytes->size() != colours.size() * 4) return;
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const std::uint8_t* at = bytes->data() + i * 4;
    colours[i] = at[0] | at[1] << 8 | at[2] << 16 | static_cast<std::uint32_t>(at[3]) << 24;
  }
}

bool SaveCustomColors(Registry& registry, const TCustomColors& colours) {
  std::vector<std::uint8_t> bytes;
  for (TColor colour : colours)
    for (int shift = 0; shift < 32; shift += 8)
      bytes.push_back(static_cast<std::uint8_t>(colour >> shift));
  return registry.CreateKey(TRegistryRoot::CurrentUser, kCustomColorsKey) &&
         registry.WriteBinary(TRegistryRoot::CurrentUser, kCustomColorsKey, kCustomColorsValue,
                              bytes);
}
