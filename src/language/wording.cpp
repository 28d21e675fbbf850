#include "language/wording.h"

#include "language/language_catalogue.h"
#include "platform/app_settings.h"

namespace qb::language {

std::string Fill(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (c == '\\' && next == 'n') {
      out += '\n';
      ++i;
    } else if (c == '%' && next == '%') {
      out += '%';
      ++i;
    } else if (c == '%' && next >= '1' && next <= '9' &&
               static_cast<size_t>(next - '1') < values.size()) {
      out += *(values.begin() + (next - '1'));
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::string Say(ProfileStore& profile, std::string_view app_folder, std::string_view language,
                const Phrase& phrase, std::initializer_list<std::string_view> values) {
  return Fill(LookUp(profile, app_folder, phrase.key, language, phrase.english), values);
}

std::string Say(const Services& services, const Phrase& phrase,
                std::initializer_list<std::string_view> values) {
  return Say(services.profile, services.environment.ApplicationFolder(),
             StoredChoice(AppSettings(services.registry)), phrase, values);
}

std::string CouldNot(const Services& services, const Phrase& what, Status error,
                     std::initializer_list<std::string_view> values) {
  return Say(services, phrase::kFailureReason,
             {Say(services, what, values), services.environment.ErrorText(error)});
}

std::string InEnglish(const Phrase& phrase, std::initializer_list<std::string_view> values) {
  return Fill(phrase.english, values);
}

Wording InChosenLanguage(const Services& services) {
  return [&services](const Phrase& phrase, std::initializer_list<std::string_view> values) {
    return Say(services, phrase, values);
  };
}

}  // namespace qb::language
