#pragma once
// Text as a JSON string literal, quotes included.
#include <string>
#include <string_view>

namespace qb::cli {

std::string JsonString(std::string_view text);

}  // namespace qb::cli
