#pragma once
// The languages a user can choose: one per language file in the languages folder.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace qb::language {

// The base names of the "*.ini" files in "<application folder>\languages", English first
// (offered even when its file is missing, since it is the fallback), then the others in
// the order the system sorts names, letter case ignored.
std::vector<std::string> AvailableLanguages(FileSystem& files, std::string_view app_folder);

}  // namespace qb::language
