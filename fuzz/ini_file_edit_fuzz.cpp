// Setting a key in an "autorun.inf" or "Desktop.ini" of any bytes (ANSI, UTF-8, UTF-16,
// broken surrogates, no line ends): an edit or a refusal, never a crash, and a value that
// reads back as it was set.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "customise/ini_file_edit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  const auto edited = qb::customise::EditIniBytes(
      bytes, {{".ShellClassInfo", "IconResource", "IconX.ico,0"}, {"autorun", "icon", "C:\\a b.ico"}});
  if (edited && qb::customise::ReadIniValue(*edited, "autorun", "icon") != "C:\\a b.ico") std::abort();
  return 0;
}
