#pragma once
// The system's English texts for the error codes the in-memory machine gives, in the form
// the real services give them: no trailing period or line break.
#include <cstdint>
#include <string>

#include "platform/status.h"

namespace qb {

std::string MemoryErrorText(Status code);
// The text for a COM result: a system error code wrapped as a result reads as that code.
std::string MemoryResultText(int32_t result);

}  // namespace qb
