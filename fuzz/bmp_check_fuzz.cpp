// The bitmap header check before any decoder: any head and any claimed file length give a
// verdict without reading past the head.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "ui/bmp_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The head as the file's own length, and as the head of a longer file whose length the
  // input's last eight bytes give.
  std::vector<uint8_t> head(data, data + size);
  qb::ui::CheckBmp(head.data(), head.size(), head.size());
  if (size >= 8) {
    uint64_t claimed = 0;
    std::memcpy(&claimed, data + size - 8, sizeof(claimed));
    qb::ui::CheckBmp(head.data(), size - 8, claimed);
  }
  return 0;
}
