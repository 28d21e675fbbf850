#pragma once
// The BIOS facts the System information page shows, from the firmware's own tables (the
// SMBIOS data the system hands out) or, where it has none, from the hardware description
// the system keeps in the registry.
#include <cstdint>
#include <span>
#include <string>

#include "platform/registry.h"

namespace qb::monitor {

struct BiosFacts {
  std::string vendor;
  std::string version;
  std::string date;
};

// Reads the BIOS information structure (type 0) out of raw SMBIOS data as the firmware
// table query returns it (a small header, then the structure table). Every length and
// string is checked against the data; false when no complete structure is found.
bool ReadBiosFacts(std::span<const uint8_t> raw_smbios, BiosFacts& facts);

// The same facts from HKLM\HARDWARE\DESCRIPTION\System; false when neither the newer
// "BIOS" key nor the older system values hold a version.
bool ReadBiosFactsFromRegistry(Registry& registry, BiosFacts& facts);

}  // namespace qb::monitor
