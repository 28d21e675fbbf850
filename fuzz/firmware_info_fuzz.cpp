// Raw SMBIOS data from the firmware: any table gives the BIOS facts or none, without
// reading past its end.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "monitor/firmware_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> raw(data, data + size);
  qb::monitor::BiosFacts facts;
  qb::monitor::ReadBiosFacts(std::span<const uint8_t>(raw), facts);
  return 0;
}
