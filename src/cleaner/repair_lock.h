#pragma once
// One repair at a time on the machine. The window and every console companion, of any copy
// of the program and in any user's session, hold this lock from the scan of a repair run to
// its end, so that two runs never back up and delete the same files; a plain check takes no
// lock. A second repair waits for its turn (the window) or is refused (the companion).
#include <string_view>

namespace qb::cleaner {

// In the machine-wide namespace: the files and backup folders a repair touches are shared
// by every session.
inline constexpr std::string_view kRepairLockName = "Global\\QuillBox cleaner repair";

}  // namespace qb::cleaner
