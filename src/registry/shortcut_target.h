#pragma once
// The target of a shortcut file, as the pages that check shortcuts need it.
#include <string>
#include <string_view>

#include "language/wording.h"
#include "platform/dialogs.h"
#include "platform/shortcuts.h"

namespace qb::registry {

// The target path of the shortcut; empty for one without a file target. A shortcut that
// cannot be read shows the system's reason in a message box, in the words say gives it, and
// gives empty text.
std::string fGetShortcutTarget(Shortcuts& shortcuts, Dialogs& dialogs,
                               std::string_view shortcut_path,
                               const language::Wording& say = language::InEnglish);

}  // namespace qb::registry
