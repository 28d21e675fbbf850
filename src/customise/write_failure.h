#pragma once
// Why a file of the customisation windows was not written, told once in one place so that
// every window names the same causes the same way.
#include <string>
#include <string_view>

#include "platform/services.h"

namespace qb::customise {

// A sentence naming the cause, ending in a full stop: a folder where the file should be,
// a read-only file, a file that cannot be written back as it was, or the system's reason
// (with the need for an administrator when access was denied).
std::string WhyNotWritten(const Services& services, std::string_view path, Status error);

}  // namespace qb::customise
