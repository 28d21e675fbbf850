#pragma once
// Installing a font file: copied under its own name into a font folder and entered in the
// system's font list, so that it is usable at once and after the next start of Windows.
// For every user (the Windows font folder and the machine's list) where the account may
// write there; otherwise for the current user alone (the per-user font folder and list).
#include <string>
#include <string_view>

#include "platform/services.h"

namespace qb::customise {

enum class FontScope { AllUsers, CurrentUser };

struct FontInstall {
  enum class Outcome {
    Cancelled,         // no file was chosen
    Installed,
    AlreadyInstalled,  // the same font is in the list already; nothing was copied
    NotAFont,          // not a font file, or one the system does not accept
    NameTaken,         // a different file of that name is in the font folder
    Failed,
  };
  Outcome outcome = Outcome::Cancelled;
  FontScope scope = FontScope::AllUsers;
  std::string font_name;  // the name the font gives itself
  std::string target;     // the file in the font folder
  Status error = status::kOk;
};

// The folder the fonts of that scope live in.
std::string FontFolder(const Services& services, FontScope scope);

// Installs the font file at source, for every user when preferred says so and the account
// may, else for the current user. An empty source installs nothing.
FontInstall InstallFont(const Services& services, std::string_view source, FontScope preferred);

// What to tell the user about the outcome; empty when there is nothing to say.
std::string DescribeInstall(const Services& services, const FontInstall& install,
                            std::string_view source, FontScope preferred);

}  // namespace qb::customise
