#pragma once
// The order lists that keep the most recent first in a history key: "MRUList", a string of
// the value names' letters ("cab"), and "MRUListEx", the values' numbers as 32-bit
// little-endian integers ended by 0xFFFFFFFF. When history values are removed, their
// letters and numbers leave the lists; everything else keeps its order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace qb::cleaner {

inline constexpr std::string_view kOrderList = "MRUList";
inline constexpr std::string_view kOrderListEx = "MRUListEx";

std::string WithoutLetters(std::string_view order, const std::vector<std::string>& removed);
std::vector<uint8_t> WithoutNumbers(const std::vector<uint8_t>& order,
                                    const std::vector<std::string>& removed);

// Rewrites the key's order lists, where it has them, without the removed value names.
void DropFromOrderLists(Registry& registry, const RegKeyPath& key,
                        const std::vector<std::string>& removed);

}  // namespace qb::cleaner
