#pragma once
// Every cleaner category, in the order of the window's frames, with the name the console
// program knows it by. The window and the console program both run them from here.
#include <array>
#include <string_view>

#include "cleaner/application_paths.h"
#include "cleaner/dialog_history.h"
#include "cleaner/help_files.h"
#include "cleaner/orphan_shortcuts.h"
#include "cleaner/shared_libraries.h"
#include "cleaner/uninstall_entries.h"

namespace qb::cleaner {

struct NamedCategory {
  std::string_view command_name;
  const Category* category;
};

inline constexpr std::array<NamedCategory, 6> kCategories{{
    {"uninstall", &kUninstallEntries},
    {"app-paths", &kApplicationPaths},
    {"history", &kDialogHistory},
    {"help", &kHelpFiles},
    {"shared", &kSharedLibraries},
    {"shortcuts", &kOrphanShortcuts},
}};

}  // namespace qb::cleaner
