#pragma once
// The user's choice of language on the Language page: stored for the next start, and the
// list it is made from.
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace qb::language {

// Stores the choice and tells the user, in a message box over owner, that it takes effect
// at the next start, or why it could not be saved. Open windows keep their captions: the
// main window is translated during its start only. A name that is not a plain file name is
// ignored, since the next start would read some other file as a language.
void SaveChoice(const Services& services, WindowHandle owner, std::string_view choice);

// Every language of the languages folder, and which of them the stored choice names (the
// first, English, when it names none), so the page shows the language in use.
struct LanguageOffer {
  std::vector<std::string> languages;
  int selected = 0;
};
LanguageOffer OfferLanguages(const Services& services, std::string_view app_folder);

}  // namespace qb::language
