// An edited report handed to repair --only, and an exclusions file: any bytes read without
// a fault, and a list read back from its own bytes holds the same entries.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/exclusions.h"
#include "cli/finding_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  qb::cli::ReadChosenFindings(std::string_view(reinterpret_cast<const char*>(data), size), error);
  const qb::cleaner::Exclusions list = qb::cleaner::Exclusions::FromBytes(std::vector<uint8_t>(data, data + size));
  qb::cleaner::Removal removal;
  removal.file = "C:\\Users\\a\\b.lnk";
  list.Keeps(removal);
  // A value of a key, judged by the key and value entries rather than the paths.
  qb::cleaner::Removal value;
  value.key = {qb::RegRoot::CurrentUser, "Software\\A", qb::RegView::Native};
  value.value_name = "Recent";
  list.Keeps(value);
  if (qb::cleaner::Exclusions::FromBytes(list.ToBytes()).Entries() != list.Entries()) __builtin_trap();
  return 0;
}
