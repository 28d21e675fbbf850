#include "disk/defragmenter.h"

#include <charconv>

namespace qb::disk {

namespace {

constexpr std::string_view kNtPrefix = "Windows NT, version: ";

// The major version of an NT text; -1 when the text is not one.
int NtMajorVersion(std::string_view text) {
  if (!text.starts_with(kNtPrefix)) return -1;
  text.remove_prefix(kNtPrefix.size());
  int major = -1;
  if (std::from_chars(text.data(), text.data() + text.size(), major).ec != std::errc()) return -1;
  return major;
}

}  // namespace

std::vector<ProgramStart> DefragmenterCandidates(std::string_view version_text,
                                                 std::string_view windows_folder) {
  const std::string windows(windows_folder);
  // Windows 95, 98 and Me all keep it in the Windows folder.
  if (version_text.find("98") != std::string_view::npos || version_text.starts_with("Windows 95")) {
    return {{windows + "\\defrag.exe", ""}};
  }
  const ProgramStart console{windows + "\\system32\\mmc.exe",
                             "\"" + windows + "\\system32\\dfrg.msc\""};
  const std::vector<ProgramStart> current{{windows + "\\Sysnative\\dfrgui.exe", ""},
                                          {windows + "\\system32\\dfrgui.exe", ""}};
  const int major = NtMajorVersion(version_text);
  std::vector<ProgramStart> order;
  if (major >= 0 && major < 6) {
    order.push_back(console);
    order.insert(order.end(), current.begin(), current.end());
  } else {
    order = current;
    order.push_back(console);
  }
  return order;
}

}  // namespace qb::disk
