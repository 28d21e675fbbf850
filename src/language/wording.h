#pragma once
// The program's own texts in the chosen language: a phrase looked up the way a control's
// caption is, its placeholders filled with the values of the moment.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "language/phrases.h"
#include "platform/services.h"

namespace qb::language {

// text with "%1".."%9" replaced by the values in order and "\n" by a line break; a
// placeholder without a value stays as written, "%%" is one "%".
std::string Fill(std::string_view text, std::initializer_list<std::string_view> values = {});

// The phrase in language (falling back to English, then to the text in the code), filled.
std::string Say(ProfileStore& profile, std::string_view app_folder, std::string_view language,
                const Phrase& phrase, std::initializer_list<std::string_view> values = {});

// The same in the language the user chose, read at the moment it is asked for, so that a
// new choice is in every text from then on.
std::string Say(const Services& services, const Phrase& phrase,
                std::initializer_list<std::string_view> values = {});

// The one shape of a failure told to the user: what could not be done (the phrase, filled
// with values) and the system's own text for error, "<what>: <system text>.".
std::string CouldNot(const Services& services, const Phrase& what, Status error,
                     std::initializer_list<std::string_view> values = {});

// A phrase said one way or another: code shared by the windows and the console companion
// takes one, so that the windows speak the user's language and the companion keeps the
// English its scripts read.
using Wording = std::function<std::string(const Phrase&, std::initializer_list<std::string_view>)>;

// The phrase's English text, filled.
std::string InEnglish(const Phrase& phrase, std::initializer_list<std::string_view> values = {});

// Say in the language the user chose, as a Wording.
Wording InChosenLanguage(const Services& services);

}  // namespace qb::language
