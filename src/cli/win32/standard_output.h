#pragma once
// The companion's report and messages on its standard handles.
#include <windows.h>

#include <string>

namespace qb::cli {

// Writes text to a standard handle: as wide text to a console, so every language shows, and
// as UTF-8 to a file or pipe. Returns 0, or the system's error code when not all of it was
// written (a full disk, a closed pipe, no handle at all); a file is then cut back to where
// it was, so that no half report is left in it.
DWORD WriteStandard(DWORD which, const std::string& text);

}  // namespace qb::cli
