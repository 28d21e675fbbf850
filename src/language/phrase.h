#pragma once
// A text the program shows that no control's Tag names, by its language key.
#include <string_view>

namespace qb::language {

struct Phrase {
  std::string_view key;
  std::string_view english;
};

}  // namespace qb::language
