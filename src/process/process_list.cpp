#include "process/process_list.h"

#include <algorithm>
#include <tuple>

#include "platform/text.h"

namespace qb::process {

std::string FileNameOf(std::string_view reported) {
  const size_t slash = reported.rfind('\\');
  return std::string(slash == std::string_view::npos ? reported : reported.substr(slash + 1));
}

std::vector<ui::ListRow> ListRows(const std::vector<ProcessEntry>& entries) {
  std::vector<ui::ListRow> rows;
  rows.reserve(entries.size());
  for (const auto& entry : entries) {
    rows.push_back({{FileNameOf(entry.exe_file), std::to_string(entry.id)}, entry.exe_file});
  }
  return rows;
}

bool SameProcess(const ProcessEntry& a, const ProcessEntry& b) {
  return a.id == b.id && a.exe_file == b.exe_file &&
         (a.start_time == 0 || b.start_time == 0 || a.start_time == b.start_time);
}

bool SameProcesses(std::vector<ProcessEntry> a, std::vector<ProcessEntry> b) {
  if (a.size() != b.size()) return false;
  const auto key = [](const ProcessEntry& x) { return std::tie(x.id, x.exe_file, x.start_time); };
  const auto order = [&](const ProcessEntry& x, const ProcessEntry& y) { return key(x) < key(y); };
  std::sort(a.begin(), a.end(), order);
  std::sort(b.begin(), b.end(), order);
  return std::equal(a.begin(), a.end(), b.begin(),
                    [&](const ProcessEntry& x, const ProcessEntry& y) { return key(x) == key(y); });
}

bool IsCoreProcess(uint32_t id, std::string_view exe_file) {
  // Id 0 is the idle process and 4 the kernel's "System" on every NT system.
  if (id == 0 || id == 4) return true;
  static constexpr std::string_view kCore[] = {
      "system", "smss.exe", "csrss.exe", "wininit.exe", "winlogon.exe", "services.exe",
      "lsass.exe",
  };
  const std::string name = text::ToLowerAscii(FileNameOf(exe_file));
  return std::find(std::begin(kCore), std::end(kCore), name) != std::end(kCore);
}

}  // namespace qb::process
