#pragma once
// Which Windows this is, as text. The drive tools choose their defragmenter from it and the
// System information page shows it.
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/system_information.h"

namespace qb {

// The product a version belongs to ("Windows 11", "Windows Server 2019", "Windows 98");
// empty for a version this program does not know.
std::string WindowsProductName(const OsVersion& version);

// "Windows 98, version: 4.10", "Windows 95, version: 4.0", or for the NT family
// "Windows NT, version: 10.0 (Windows 11)" with the product named where it is known.
std::string WindowsVersionText(const OsVersion& version);

// The text above for the running system: its true version, never the one a compatibility
// setting makes up. When the system cannot say, an error box shows failure_text (in the
// user's language, which this layer cannot read) and the text is empty.
std::string GetWindowsVersion(SystemInformation& system, Dialogs& dialogs,
                              std::string_view failure_text);

}  // namespace qb
