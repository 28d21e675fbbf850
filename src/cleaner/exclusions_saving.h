#pragma once
// Writing the entries kept always where a window changed them: the file is written whole,
// and when Windows refuses, the user is told over the window what was not saved and why,
// so that the window can keep showing what the file still holds.
#include <string_view>

#include "cleaner/exclusions.h"
#include "platform/services.h"

namespace qb::cleaner {

// True once the file holds exclusions; false after the message box has said why it does not.
bool SaveExclusionsOrSay(const Services& services, WindowHandle owner, std::string_view title,
                         const Exclusions& exclusions);

}  // namespace qb::cleaner
