#include "language/numbers.h"

#include <algorithm>
#include <array>

#include "language/language_catalogue.h"
#include "language/wording.h"
#include "platform/app_settings.h"

namespace qb::language {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string ChosenLanguage(const Services& services) {
  return StoredChoice(AppSettings(services.registry));
}

}  // namespace

NumberMarks MarksOf(ProfileStore& profile, std::string_view app_folder, std::string_view language) {
  return {Say(profile, app_folder, language, phrase::kThousandsSeparator),
          Say(profile, app_folder, language, phrase::kDecimalSeparator)};
}

std::string Marked(std::string_view plain, const NumberMarks& marks) {
  size_t at = !plain.empty() && (plain[0] == '-' || plain[0] == '+') ? 1 : 0;
  const size_t digits_from = at;
  while (at < plain.size() && IsDigit(plain[at])) ++at;
  const size_t whole_digits = at - digits_from;
  const size_t point = at;
  if (at < plain.size() && plain[at] == '.') {
    ++at;
    if (at == plain.size()) return std::string(plain);  // "12." is no number
    while (at < plain.size() && IsDigit(plain[at])) ++at;
  }
  if (whole_digits == 0 || at != plain.size()) return std::string(plain);

  std::string out(plain.substr(0, digits_from));
  for (size_t i = 0; i < whole_digits; ++i) {
    if (i > 0 && (whole_digits - i) % 3 == 0) out += marks.thousands;
    out += plain[digits_from + i];
  }
  if (point < plain.size()) out += marks.decimal + std::string(plain.substr(point + 1));
  return out;
}

std::string ShownNumber(const Services& services, std::string_view plain) {
  return Marked(plain, MarksOf(services.profile, services.environment.ApplicationFolder(),
                               ChosenLanguage(services)));
}

std::string ShownNumber(const Services& services, int64_t number) {
  return ShownNumber(services, std::to_string(number));
}

std::string ShownSize(const Services& services, std::string_view plain, int unit,
                      const Phrase& bytes) {
  static constexpr std::array<const Phrase*, kLargestSizeUnit + 1> kUnits = {
      nullptr, &phrase::kSizeKilobytes, &phrase::kMegabytes, &phrase::kSizeGigabytes,
      &phrase::kSizeTerabytes, &phrase::kSizePetabytes};
  const size_t index = static_cast<size_t>(std::clamp(unit, 0, kLargestSizeUnit));
  return Say(services, index == 0 ? bytes : *kUnits[index], {ShownNumber(services, plain)});
}

}  // namespace qb::language
