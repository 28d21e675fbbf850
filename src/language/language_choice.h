#pragma once
// The user's choice of language on the Language page: stored for the next start, and the
// list it is made from.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace qb::language {

// Stores the choice, has apply put it on the open windows (every window opened later reads
// the stored choice itself) and tells the user so in a message box over owner, or why it
// could not be saved. A name that is not a plain file name is ignored, since it would read
// some other file as a language. True when the choice was stored.
bool SaveChoice(const Services& services, WindowHandle owner, std::string_view choice,
                const std::function<void()>& apply = {});

// Every language of the languages folder, and which of them the stored choice names (the
// first, English, when it names none), so the page shows the language in use.
struct LanguageOffer {
  std::vector<std::string> languages;
  int selected = 0;
};
LanguageOffer OfferLanguages(const Services& services, std::string_view app_folder);

}  // namespace qb::language
