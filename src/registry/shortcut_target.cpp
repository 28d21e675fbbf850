#include "registry/shortcut_target.h"

namespace qb::registry {

std::string fGetShortcutTarget(Shortcuts& shortcuts, Dialogs& dialogs,
                               std::string_view shortcut_path, const language::Wording& say) {
  ShortcutTarget target = shortcuts.ReadTarget(shortcut_path);
  if (target.error != 0) {
    dialogs.ShowMessage(0, say(language::phrase::kShortcutNotRead, {target.error_text}),
                        say(language::phrase::kErrorNumber, {std::to_string(target.error)}),
                        mb::kOk | mb::kIconStop);
    return {};
  }
  return std::move(target.path);
}

}  // namespace qb::registry
