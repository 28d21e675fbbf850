#pragma once
// Which defragmenter the running Windows has, from its version text ("Windows 98, version:
// 4.10", "Windows NT, version: 10.0 (Windows 11)"): the candidates in the order to try.
#include <string>
#include <string_view>
#include <vector>

namespace qb::disk {

struct ProgramStart {
  std::string file;
  std::string parameters;
  bool operator==(const ProgramStart&) const = default;
};

// The 9x family: "defrag.exe" in the Windows folder. Windows 2000 to Server 2003: the
// management console with the "dfrg.msc" snap-in. Vista and later (and any text this
// cannot read): "dfrgui.exe"; each of the last two falls back on the other. A 32-bit
// program on 64-bit Windows reaches the system's own programs through "Sysnative".
std::vector<ProgramStart> DefragmenterCandidates(std::string_view version_text,
                                                 std::string_view windows_folder);

}  // namespace qb::disk
