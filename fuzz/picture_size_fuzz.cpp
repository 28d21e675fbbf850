// The declared size of any head of a picture file: a size or none, never a read past the
// head, whatever the lengths in a JPEG's segments say.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/picture_size.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly the input's length, so that a read past it is caught.
  const std::vector<uint8_t> head(data, data + size);
  if (const auto declared = qb::ReadPictureSize(head.data(), head.size())) qb::IsTooLarge(*declared);
  return 0;
}
