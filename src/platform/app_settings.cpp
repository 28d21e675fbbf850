#include "platform/app_settings.h"

namespace qb {

RegKeyPath AppSettings::SectionKey(std::string_view app, std::string_view section) {
  return RegKeyPath{RegRoot::CurrentUser, std::string(kAppSettingsKey)}.Child(app).Child(section);
}

std::string AppSettings::Get(std::string_view app, std::string_view section,
                             std::string_view key, std::string_view fallback) const {
  RegValue value;
  if (registry_.QueryValue(SectionKey(app, section), key, value) != status::kOk) {
    return std::string(fallback);
  }
  if (value.type != regtype::kSz && value.type != regtype::kExpandSz) return std::string(fallback);
  return value.AsString();
}

Status AppSettings::Save(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view value) {
  const auto where = SectionKey(app, section);
  if (const Status created = registry_.CreateKey(where); created != status::kOk) return created;
  return registry_.SetValue(where, RegValue::String(std::string(key), value));
}

}  // namespace qb
