// The skin file: colours, sizes, fonts, title buttons and "Base=" chains (cycles included)
// from any bytes give a skin or a reason, never a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/skin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  const auto skin = qb::skin::ParseSkin(std::string_view(reinterpret_cast<const char*>(data), size), error);
  if (skin) {
    for (const auto& [name, style] : skin->elements) skin->Find(name);
  }
  return 0;
}
