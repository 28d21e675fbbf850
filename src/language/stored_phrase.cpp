#include "language/stored_phrase.h"

#include <algorithm>
#include <vector>

namespace qb::language {

namespace {

// Control characters no key, phrase or value of ours holds: the start of a phrase and the
// separator of its parts.
constexpr char kStart = '\x1e';
constexpr char kPart = '\x1f';

void PutPart(std::string& out, std::string_view part) {
  out += kPart;
  for (const char c : part) out += (c == kStart || c == kPart) ? ' ' : c;
}

std::string SayOne(std::string_view stored, const Wording& say) {
  std::vector<std::string_view> parts;
  for (size_t at = 0; at <= stored.size();) {
    const size_t end = std::min(stored.find(kPart, at), stored.size());
    parts.push_back(stored.substr(at, end - at));
    at = end + 1;
  }
  // key, English text, then up to four values: more than any stored phrase carries.
  if (parts.size() < 2) return std::string(stored);
  const Phrase phrase{parts[0], parts[1]};
  const auto v = [&](size_t i) { return parts[i + 2]; };
  switch (parts.size() - 2) {
    case 0: return say(phrase, {});
    case 1: return say(phrase, {v(0)});
    case 2: return say(phrase, {v(0), v(1)});
    case 3: return say(phrase, {v(0), v(1), v(2)});
    default: return say(phrase, {v(0), v(1), v(2), v(3)});
  }
}

}  // namespace

std::string StorePhrase(const Phrase& phrase, std::initializer_list<std::string_view> values) {
  std::string out(1, kStart);
  out += phrase.key;
  PutPart(out, phrase.english);
  for (const std::string_view value : values) PutPart(out, value);
  return out;
}

std::string ShowStored(std::string_view stored, const Wording& say) {
  if (stored.empty() || stored.front() != kStart) return std::string(stored);
  std::string shown;
  size_t at = 1;
  while (at <= stored.size()) {
    const size_t end = std::min(stored.find(kStart, at), stored.size());
    // A list goes on after a comma, a sentence after a space.
    if (!shown.empty()) shown += shown.back() == '.' ? " " : ", ";
    shown += SayOne(stored.substr(at, end - at), say);
    at = end + 1;
  }
  return shown;
}

}  // namespace qb::language
