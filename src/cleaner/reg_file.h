#pragma once
// Registry files in the form the system's registry editor exports and imports ("Windows
// Registry Editor Version 5.00", UTF-16LE with a byte-order mark). Every value type is
// written the way the editor writes it, so importing a file restores each value's type
// and bytes exactly.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "language/wording.h"
#include "platform/registry.h"

namespace qb::cleaner {

inline constexpr std::string_view kRegFileHeader = "Windows Registry Editor Version 5.00";

// One key section of a registry file. The path is where the key really lives: a key of the
// 32-bit view of a 64-bit machine is written under its WOW6432Node path, which the editor
// imports into that view.
struct RegFileKey {
  RegRoot root = RegRoot::LocalMachine;
  std::string path;
  std::vector<RegValue> values;
  bool operator==(const RegFileKey&) const = default;
};

// The name a registry file gives a root ("HKEY_LOCAL_MACHINE"); empty for none.
std::string_view RootFileName(RegRoot root);

// The path under which a key of the given view is stored on a machine with separate views.
std::string PhysicalPath(RegRoot root, std::string_view path, RegView view, bool separate_views);

// One value as its line (or lines, for long hex data) of a registry file, without the
// final line break: "name"="text", @=dword:00000001, "x"=hex(2):25,00,...
std::string ValueLine(const RegValue& value);

// The whole file as text with CR LF line breaks, and as the bytes the editor expects.
std::string RegFileText(const std::vector<RegFileKey>& keys);
std::vector<uint8_t> EncodeRegFile(const std::vector<RegFileKey>& keys);

// Reads a file written by EncodeRegFile (or by the editor). False, with a reason in
// error, for anything that is not a version 5.00 file of keys and values (deletions
// included, which a backup never holds), said by say.
bool ParseRegFile(const std::vector<uint8_t>& bytes, std::vector<RegFileKey>& keys,
                  std::string& error, const language::Wording& say = language::InEnglish);

}  // namespace qb::cleaner
