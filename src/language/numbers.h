#pragma once
// Numbers as the chosen language writes them. The program writes a number plainly
// ("-1234567.25"); shown to the user it takes the language's thousands separator between
// groups of three digits and its decimal mark ("1.234.567,25" in German), both read from
// the language file, so that a new language brings its own. An English "1,024" reads as a
// decimal in German and French.
#include <cstdint>
#include <string>
#include <string_view>

#include "language/phrases.h"
#include "platform/services.h"

namespace qb::language {

struct NumberMarks {
  std::string thousands = ",";
  std::string decimal = ".";
};

// The marks of language (falling back to English, then to the English marks).
NumberMarks MarksOf(ProfileStore& profile, std::string_view app_folder, std::string_view language);

// A plain number ('-' or '+', digits, one '.', more digits) with marks; a text that is not
// one comes back as it is, so a value that is already words or empty is never damaged.
std::string Marked(std::string_view plain, const NumberMarks& marks);

// In the language the user chose, read at the moment it is asked for.
std::string ShownNumber(const Services& services, std::string_view plain);
std::string ShownNumber(const Services& services, int64_t number);

// The size units the pages name: 0 bytes, 1 KB, 2 MB, 3 GB, 4 TB, 5 PB.
inline constexpr int kLargestSizeUnit = 5;

// A size, its plain number written with the marks and followed by its unit's word in the
// chosen language ("1,5 Go"); a unit beyond the largest is taken as the largest. The Drives
// page says its bytes in a word of its own.
std::string ShownSize(const Services& services, std::string_view plain, int unit,
                      const Phrase& bytes = phrase::kSizeBytes);

}  // namespace qb::language
