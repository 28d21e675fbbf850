#include "monitor/firmware_info.h"

#include <vector>

namespace qb::monitor {

namespace {

constexpr size_t kRawHeader = 8;  // calling method, major, minor, revision, table length
constexpr uint8_t kBiosInformation = 0;
constexpr uint8_t kEndOfTable = 127;

// The n-th string (from 1) of the string set that starts at `at`, or empty; `end` is the
// index after the set's double NUL.
std::string StringAt(std::span<const uint8_t> table, size_t at, size_t end, uint8_t n) {
  if (n == 0) return {};
  size_t start = at;
  for (uint8_t i = 1; start < end; ++i) {
    size_t stop = start;
    while (stop < end && table[stop] != 0) ++stop;
    if (stop == start) return {};  // the set's end
    if (i == n) {
      std::string text(table.begin() + static_cast<long>(start),
                       table.begin() + static_cast<long>(stop));
      while (!text.empty() && text.back() == ' ') text.pop_back();
      return text;
    }
    start = stop + 1;
  }
  return {};
}

// The index after the double NUL that ends the string set starting at `at`; 0 when the
// table ends first.
size_t StringSetEnd(std::span<const uint8_t> table, size_t at) {
  for (size_t i = at; i + 1 < table.size(); ++i) {
    if (table[i] == 0 && table[i + 1] == 0) return i + 2;
  }
  return 0;
}

}  // namespace

bool ReadBiosFacts(std::span<const uint8_t> raw, BiosFacts& facts) {
  if (raw.size() < kRawHeader) return false;
  const uint32_t length = raw[4] | raw[5] << 8 | raw[6] << 16 | static_cast<uint32_t>(raw[7]) << 24;
  const auto table = raw.subspan(kRawHeader, std::min<size_t>(length, raw.size() - kRawHeader));
  size_t at = 0;
  while (at + 4 <= table.size()) {
    const uint8_t type = table[at];
    const uint8_t formatted = table[at + 1];
    if (formatted < 4 || at + formatted > table.size()) return false;
    const size_t strings = at + formatted;
    const size_t end = StringSetEnd(table, strings);
    if (end == 0) return false;
    if (type == kBiosInformation && formatted >= 9) {
      facts.vendor = StringAt(table, strings, end, table[at + 4]);
      facts.version = StringAt(table, strings, end, table[at + 5]);
      facts.date = StringAt(table, strings, end, table[at + 8]);
      return true;
    }
    if (type == kEndOfTable) return false;
    at = end;
  }
  return false;
}

bool ReadBiosFactsFromRegistry(Registry& registry, BiosFacts& facts) {
  const RegKeyPath bios{RegRoot::LocalMachine, "HARDWARE\\DESCRIPTION\\System\\BIOS"};
  const RegKeyPath system{RegRoot::LocalMachine, "HARDWARE\\DESCRIPTION\\System"};
  const auto text = [&](const RegKeyPath& key, std::string_view name) {
    RegValue value;
    if (registry.QueryValue(key, name, value) != status::kOk) return std::string();
    if (value.type == regtype::kMultiSz) {
      const auto lines = value.AsMultiString();
      std::string joined;
      for (const auto& line : lines) joined += (joined.empty() ? "" : " ") + line;
      return joined;
    }
    // A number or bytes read as text would show as nonsense.
    const bool text = value.type == regtype::kSz || value.type == regtype::kExpandSz;
    return text ? value.AsString() : std::string();
  };
  facts.vendor = text(bios, "BIOSVendor");
  facts.version = text(bios, "BIOSVersion");
  facts.date = text(bios, "BIOSReleaseDate");
  if (facts.version.empty()) facts.version = text(system, "SystemBiosVersion");
  if (facts.date.empty()) facts.date = text(system, "SystemBiosDate");
  return !facts.version.empty();
}

}  // namespace qb::monitor
