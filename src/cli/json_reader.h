#pragma once
// A small reader for the JSON the companion itself writes (its --json reports), read back
// when a script hands an edited report in. Any bytes are safe to give it: nesting is
// bounded, numbers are kept as text, and anything that is not JSON is refused with a reason.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb::cli {

struct JsonValue {
  struct Member;
  enum class Kind { Null, Boolean, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  std::string text;  // a string's content (UTF-8), or a number as written
  std::vector<JsonValue> items;
  std::vector<Member> members;  // in document order

  // The member of an object (the last one of that name), or nullptr.
  const JsonValue* Find(std::string_view name) const;
};

// A named struct rather than a pair: a pair of a type still being defined is refused by
// some standard libraries.
struct JsonValue::Member {
  std::string name;
  JsonValue value;
};

// The document, or nullopt with the reason (and the byte offset) in error.
std::optional<JsonValue> ParseJson(std::string_view text, std::string& error);

}  // namespace qb::cli
