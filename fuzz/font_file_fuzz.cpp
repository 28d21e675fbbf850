// A font file's names: any bytes, including forged table offsets and string lengths, give
// names or nothing without reading past the end.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/font_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  if (const auto names = qb::ReadFontNames(bytes)) qb::FontListName(*names);
  return 0;
}
