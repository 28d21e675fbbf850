// The .reg reader that checks backups: any bytes are read or refused with a reason; what it
// reads, written again, reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cleaner/reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  std::vector<qb::cleaner::RegFileKey> keys;
  std::string error;
  if (!qb::cleaner::ParseRegFile(bytes, keys, error)) return 0;
  std::vector<qb::cleaner::RegFileKey> again;
  if (!qb::cleaner::ParseRegFile(qb::cleaner::EncodeRegFile(keys), again, error)) std::abort();
  if (qb::cleaner::RegFileText(again) != qb::cleaner::RegFileText(keys)) std::abort();
  return 0;
}
