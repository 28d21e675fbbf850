#pragma once
// The rows of the process list and when they need rebuilding.
#include <string>
#include <string_view>
#include <vector>

#include "platform/processes.h"
#include "ui/control.h"

namespace qb::process {

// The part after the last backslash; a name without one is returned whole.
std::string FileNameOf(std::string_view reported);

// One row per process: the file name, the process id in decimal, the reported name as tag.
std::vector<ui::ListRow> ListRows(const std::vector<ProcessEntry>& entries);

// Whether two records name the same process: the same id, name and start time (a start
// time the system would not give matches any).
bool SameProcess(const ProcessEntry& a, const ProcessEntry& b);

// Whether two listings hold the same processes (ids with their names and start times), in
// any order.
bool SameProcesses(std::vector<ProcessEntry> a, std::vector<ProcessEntry> b);

// Processes whose end stops Windows even where the system cannot be asked: the kernel's
// own and the session's core processes.
bool IsCoreProcess(uint32_t id, std::string_view exe_file);

}  // namespace qb::process
