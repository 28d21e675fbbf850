#include "cleaner/order_list.h"

#include <algorithm>
#include <charconv>

#include "cleaner/path_text.h"

namespace qb::cleaner {

namespace {

bool Removed(std::string_view name, const std::vector<std::string>& removed) {
  return std::any_of(removed.begin(), removed.end(),
                     [&](const std::string& r) { return EqualsIgnoringCase(r, name); });
}

// The value number a name holds ("12"), or none.
bool NumberOf(const std::string& name, uint32_t& number) {
  if (name.size() > 1 && name[0] == '0') return false;  // "03" is a name of its own
  const auto end = name.data() + name.size();
  const auto [at, error] = std::from_chars(name.data(), end, number);
  return !name.empty() && error == std::errc() && at == end;
}

}  // namespace

std::string WithoutLetters(std::string_view order, const std::vector<std::string>& removed) {
  std::string kept;
  for (char letter : order) {
    if (!Removed(std::string_view(&letter, 1), removed)) kept += letter;
  }
  return kept;
}

std::vector<uint8_t> WithoutNumbers(const std::vector<uint8_t>& order,
                                    const std::vector<std::string>& removed) {
  std::vector<uint32_t> numbers;
  for (const auto& name : removed) {
    if (uint32_t number = 0; NumberOf(name, number)) numbers.push_back(number);
  }
  std::vector<uint8_t> kept;
  size_t at = 0;
  for (; at + 4 <= order.size(); at += 4) {
    const uint32_t number = order[at] | order[at + 1] << 8 | order[at + 2] << 16 |
                            static_cast<uint32_t>(order[at + 3]) << 24;
    if (number != 0xFFFFFFFF && std::find(numbers.begin(), numbers.end(), number) != numbers.end()) {
      continue;
    }
    kept.insert(kept.end(), order.begin() + at, order.begin() + at + 4);
  }
  // A tail shorter than a number is not the list's to judge: it stays as it was.
  kept.insert(kept.end(), order.begin() + at, order.end());
  return kept;
}

void DropFromOrderLists(Registry& registry, const RegKeyPath& key,
                        const std::vector<std::string>& removed) {
  RegValue list;
  if (registry.QueryValue(key, kOrderList, list) == status::kOk &&
      (list.type == regtype::kSz || list.type == regtype::kExpandSz)) {
    const auto kept = WithoutLetters(list.AsString(), removed);
    if (kept != list.AsString()) registry.SetValue(key, RegValue::String(list.name, kept, list.type));
  }
  if (registry.QueryValue(key, kOrderListEx, list) == status::kOk && list.type == regtype::kBinary) {
    auto kept = WithoutNumbers(list.data, removed);
    if (kept != list.data) registry.SetValue(key, RegValue::Binary(list.name, std::move(kept)));
  }
}

}  // namespace qb::cleaner
