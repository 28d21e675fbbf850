#pragma once
// Registrations of help files that no longer exist. Two machine-wide keys list them, one for
// compiled HTML help and one for classic help: each value is named after a help file and
// holds the folder it is in. Values are removed one by one, by the key and the exact
// value name (a name that holds a backslash included); keys stay. Lists: [1] the removal
// entries, each the area's tag, the folder and the file name ("HTML|C:\Help\tool.chm"), the
// HTML help area's first; [3] stays empty.
#include "cleaner/category.h"

namespace qb::cleaner {

inline constexpr std::string_view kHtmlHelpArea = "Software\\Microsoft\\Windows\\HTML Help";
inline constexpr std::string_view kClassicHelpArea = "Software\\Microsoft\\Windows\\Help";

// The help file a value names: its folder (with a backslash added where it lacks one) and
// the value's name.
std::string HelpFilePath(const RegValue& value, Environment& environment);

ScanResult ScanHelpFiles(ScanContext& context);
bool HelpFileStillInvalid(ScanContext& context, const Removal& removal);

inline constexpr Category kHelpFiles{"Help files", &ScanHelpFiles, &HelpFileStillInvalid};

}  // namespace qb::cleaner
