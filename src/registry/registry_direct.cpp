#include "registry/registry_direct.h"

#include "platform/text.h"

namespace qb::registry {

namespace {
// Every right on a key except the standard ones: what the delete asks for before it acts.
constexpr uint32_t kKeyFullAccess = 0x3F;
}  // namespace

std::string ReadStringValue(Registry& registry, RegRoot root, std::string_view key_path,
                            std::string_view value_name) {
  RegValue value;
  if (registry.QueryValue({root, std::string(key_path)}, value_name, value) != status::kOk ||
      value.type != regtype::kSz) {
    return {};
  }
  return value.AsString();
}

Status WriteStringValue(Registry& registry, RegRoot root, std::string_view key_path,
                        std::string_view value_name, std::string_view text) {
  const RegKeyPath key{root, std::string(key_path)};
  if (const Status created = registry.CreateKey(key); created != status::kOk) return created;
  return registry.SetValue(key, RegValue::String(std::string(value_name), text));
}

Status DeleteRegKey(Registry& registry, RegRoot root, std::string_view key_path) {
  return registry.DeleteKey({root, std::string(key_path)});
}

Status DeleteRegValue(Registry& registry, RegRoot root, std::string_view key_path,
                      std::string_view value_name) {
  const RegKeyPath key{root, std::string(key_path)};
  if (const Status opened = registry.OpenKey(key, kKeyFullAccess); opened != status::kOk) {
    return opened;
  }
  return registry.DeleteValue(key, value_name);
}

Status CreateSubKey(Registry& registry, Dialogs& dialogs, Environment& environment, RegRoot root,
                    std::string_view parent_path, std::string_view name,
                    const language::Wording& say) {
  std::string path(parent_path);
  if (!text::TrimBlanks(name).empty()) path += "\\" + std::string(name);
  const Status created = registry.CreateKey({root, path});
  if (created != status::kOk) {
    dialogs.ShowMessage(0, say(language::phrase::kCannotCreateSubKey, {environment.ErrorText(created)}), {},
                        mb::kOk | mb::kIconStop);
  }
  return created;
}

}  // namespace qb::registry
