#include "tweaks/settings_import.h"

#include "platform/status.h"

namespace qb::tweaks {

std::vector<PendingChange> PendingChanges(const Profile& profile, const Services& services) {
  std::vector<PendingChange> changes;
  if (!profile.errors.empty()) return changes;
  for (const auto& entry : profile.entries) {
    auto current = ReadSetting(services, *entry.setting);
    if (current != entry.value) changes.push_back({&entry, std::move(current)});
  }
  return changes;
}

ImportResult ApplyChanges(const std::vector<PendingChange>& changes, const Services& writer,
                          const Services& reader) {
  ImportResult result;
  for (const auto& change : changes) {
    const Setting& setting = *change.entry->setting;
    UnsavedChanges unsaved;
    WriteSetting(writer, setting, change.entry->value, unsaved);
    const std::string name(setting.name);
    for (const auto& failure : unsaved.Failures()) {
      result.refused.push_back({name, failure.what, reader.environment.ErrorText(failure.status)});
      result.needs_administrator = result.needs_administrator || status::Refused(failure.status);
    }
    if (!unsaved.Empty()) continue;
    // A write the system accepted but does not show afterwards is not reported as applied.
    if (ReadSetting(reader, setting) == change.entry->value) {
      result.applied.push_back(name);
      result.needs_sign_in = result.needs_sign_in || TakesEffectAtSignIn(setting);
    } else {
      result.refused.push_back({name, change.entry->value, {}});
    }
  }
  return result;
}

}  // namespace qb::tweaks
