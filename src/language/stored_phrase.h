#pragma once
// Phrases kept in a file that is read later, perhaps by a run in another language (the
// journal of changes): each is stored by its key, its English text and its values, and put
// into words only when it is shown. Text stored as plain words is shown as it is.
#include <initializer_list>
#include <string>
#include <string_view>

#include "language/wording.h"

namespace qb::language {

// One phrase as stored; several stored one after another make a list.
std::string StorePhrase(const Phrase& phrase, std::initializer_list<std::string_view> values = {});

// The stored text in the wording given: a list of phrases joined by ", ", or by a space after
// one that ends a sentence.
std::string ShowStored(std::string_view stored, const Wording& say);

}  // namespace qb::language
