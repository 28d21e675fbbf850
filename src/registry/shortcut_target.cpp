#include "registry/shortcut_target.h"

namespace qb::registry {

std::string fGetShortcutTarget(Shortcuts& shortcuts, Dialogs& dialogs,
                               std::string_view shortcut_path) {
  ShortcutTarget target = shortcuts.ReadTarget(shortcut_path);
  if (target.error != 0) {
    dialogs.ShowMessage(0, target.error_text + "\nfGetShortcutTarget",
                        "Error: " + std::to_string(target.error), mb::kOk | mb::kIconStop);
    return {};
  }
  return std::move(target.path);
}

}  // namespace qb::registry
