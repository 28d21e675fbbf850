#include "cli/settings_commands.h"

#include <algorithm>
#include <memory>

#include "cli/json_text.h"
#include "cli/undo_commands.h"
#include "language/phrases.h"
#include "language/wording.h"
#include "language/stored_phrase.h"
#include "platform/replace_file.h"
#include "platform/status.h"
#include "tweaks/settings_import.h"
#include "tweaks/settings_profile.h"
#include "tweaks/settings_profile_window.h"

namespace qb::cli {

namespace {

using tweaks::Setting;

int Fail(const std::string& why, Output& output) {
  output.err += "quillbox-cli: " + why + "\n";
  return kFailed;
}

std::string JsonValue(const std::optional<std::string>& value) { return value ? JsonString(*value) : "null"; }

int List(bool json, const Services& services, Output& output) {
  std::string out = json ? "[" : "";
  for (const Setting& setting : tweaks::AllSettings()) {
    const auto value = tweaks::ReadSetting(services, setting);
    if (json) {
      out += std::string(out.size() > 1 ? "," : "") + "\n  {\"name\": " + JsonString(setting.name) +
             ", \"value\": " + JsonValue(value) + ", \"type\": " + JsonString(tweaks::TypeWord(setting.type)) +
             ", \"range\": " + JsonString(tweaks::ValueForm(setting)) + ", \"scope\": " + JsonString(tweaks::Scope(setting)) +
             ", \"where\": " + JsonString(setting.where) + "}";
    } else {
      out += std::string(setting.name) + " = " + value.value_or("(not set)") + "    [" +
             std::string(tweaks::TypeWord(setting.type)) + ", " + tweaks::ValueForm(setting) + ", " + std::string(tweaks::Scope(setting)) +
             "]\n";
    }
  }
  output.out += json ? out + "\n]\n" : out;
  return kNothingFound;
}

std::optional<tweaks::Profile> ReadProfile(const std::string& file, const Services& services, Output& output) {
  if (FileFacts facts; services.files.GetFacts(file, facts) == status::kOk && facts.size > tweaks::kLargestProfileBytes) {
    Fail(language::InEnglish(language::phrase::kProfileTooLarge, {file, std::to_string(facts.size / 1024)}) +
             " Nothing was changed.",
         output);
    return std::nullopt;
  }
  std::vector<uint8_t> bytes;
  if (const Status read = services.files.ReadFile(file, bytes); read != status::kOk) {
    Fail("the profile " + file + " cannot be read: " + services.environment.ErrorText(read) + "; nothing was changed.",
         output);
    return std::nullopt;
  }
  tweaks::Profile profile =
      tweaks::ParseProfile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!profile.errors.empty()) {
    output.err += "quillbox-cli: the profile " + file + " has faults, so nothing was changed:\n" +
                  tweaks::ErrorLines(profile);
    return std::nullopt;
  }
  return profile;
}

using Difference = tweaks::PendingChange;

std::vector<Difference> Differences(const tweaks::Profile& profile, const Services& services) {
  return tweaks::PendingChanges(profile, services);
}

std::string DifferenceJson(const Difference& difference) {
  return "{\"name\": " + JsonString(difference.entry->setting->name) + ", \"current\": " +
         JsonValue(difference.current) + ", \"wanted\": " + JsonString(difference.entry->value) + "}";
}

std::string JsonList(const std::vector<std::string>& items) {
  std::string list = "[";
  for (const auto& item : items) list += (list.size() > 1 ? ", " : "") + item;
  return list + "]";
}

int Check(const std::string& file, bool json, const Services& services, Output& output) {
  const auto profile = ReadProfile(file, services, output);
  if (!profile) return kFailed;
  const auto differ = Differences(*profile, services);
  if (json) {
    std::vector<std::string> items;
    for (const auto& difference : differ) items.push_back(DifferenceJson(difference));
    output.out += "{\"compliant\": " + std::string(differ.empty() ? "true" : "false") +
                  ", \"checked\": " + std::to_string(profile->entries.size()) + ", \"differ\": " + JsonList(items) + "}\n";
  } else {
    for (const auto& difference : differ) {
      output.out += std::string(difference.entry->setting->name) + ": is " +
                    difference.current.value_or("(not set)") + ", the profile says " + difference.entry->value + "\n";
    }
    output.out += differ.empty() ? "The machine matches the profile (" + std::to_string(profile->entries.size()) + " settings).\n"
                                 : std::to_string(differ.size()) + " of " + std::to_string(profile->entries.size()) +
                                       " settings differ from the profile.\n";
  }
  return differ.empty() ? kNothingFound : kFound;
}

// Writes each difference in table order, journaled where a journal can be kept. What Windows
// refuses is named with its reason; a setting counts as applied only when it reads back as
// the profile says, so nothing is reported as applied that was not.
int Apply(const tweaks::Profile& profile, bool json, const Services& services, Output& output) {
  const auto differ = Differences(profile, services);
  std::unique_ptr<journal::JournaledServices> journaled;
  if (!differ.empty()) {
    if (const std::string path = JournalPath(services); !path.empty()) {
      journaled = Journaled(services, path);
    } else {
      output.err += "quillbox-cli: no backup folder can be written to, so these changes are not journaled "
                    "and cannot be undone with quillbox-cli undo.\n";
    }
  }
  const Services& writer = journaled ? journaled->services() : services;
  // Named as the Settings profiles window names its Apply, by key, for the History window.
  const std::string category = language::StorePhrase({tweaks::kProfileWindowTitleKey, "Settings profiles"});
  const uint64_t action = journaled ? journaled->Begin(category, category) : 0;
  const tweaks::ImportResult result = tweaks::ApplyChanges(differ, writer, services);
  std::vector<std::string> refused;
  for (const auto& refusal : result.refused) {
    if (refusal.reason.empty()) {
      output.err += "quillbox-cli: " + refusal.name + " was written but the machine does not hold " +
                    refusal.what + " now\n";
      refused.push_back("{\"name\": " + JsonString(refusal.name) + ", \"reason\": \"not taken\"}");
    } else {
      output.err += "quillbox-cli: " + refusal.name + " was not saved (" + refusal.what + "): " + refusal.reason + "\n";
      refused.push_back("{\"name\": " + JsonString(refusal.name) + ", \"reason\": " + JsonString(refusal.reason) + "}");
    }
  }
  const std::vector<std::string>& changed = result.applied;
  if (!json) {
    for (const auto& difference : differ) {
      const std::string_view name = difference.entry->setting->name;
      if (std::find(changed.begin(), changed.end(), name) != changed.end()) {
        output.out += "Set " + std::string(name) + " = " + difference.entry->value + "\n";
      }
    }
  }
  const bool administrator = result.needs_administrator;
  if (journaled) {
    journaled->Finish(action, category,
                      language::StorePhrase(language::phrase::kSettingsAppliedSummary, {std::to_string(changed.size())}));
  }
  if (journaled && journaled->journal().Failure() != status::kOk) {
    output.err += "quillbox-cli: the journal of changes (" + journaled->journal().path() +
                  ") could not be written: " + services.environment.ErrorText(journaled->journal().Failure()) +
                  "; these changes are not all recorded and cannot all be undone.\n";
  }
  if (administrator) {
    output.err += "quillbox-cli: the settings not saved for lack of rights need an administrator; run the command "
                  "again as one to save them.\n";
  }
  const bool compliant = refused.empty();
  if (json) {
    std::vector<std::string> names;
    for (const auto& name : changed) names.push_back(JsonString(name));
    output.out += "{\"compliant\": " + std::string(compliant ? "true" : "false") + ", \"changed\": " + JsonList(names) +
                  ", \"refused\": " + JsonList(refused) +
                  ", \"sign_in_needed\": " + (result.needs_sign_in ? "true" : "false") + "}\n";
  } else if (differ.empty()) {
    output.out += "Nothing to change: the machine matches the profile.\n";
  } else if (result.needs_sign_in) {
    output.out += language::InEnglish(language::phrase::kProfileAtSignIn, {}) + "\n";
  }
  return compliant ? kNothingFound : kFound;
}

int Export(const std::string& file, const Services& services, Output& output) {
  const std::string text = tweaks::ExportProfile(services);
  if (file.empty()) {
    output.out += text;
    return kNothingFound;
  }
  const std::vector<uint8_t> bytes(text.begin(), text.end());
  if (const Status written = ReplaceWholeFile(services.files, file, bytes); written != status::kOk) {
    return ReportNotWritten(file, services.environment.ErrorText(written), output);
  }
  return kNothingFound;
}

// set is a profile of one line, so it keeps every rule a profile keeps; a line break in the
// name or value would make it a profile of more lines, setting what was not named.
int Set(const std::string& name, const std::string& value, bool json, const Services& services, Output& output) {
  if ((name + value).find_first_of("\r\n") != std::string::npos) {
    return Fail("a setting's name or value cannot hold a line break", output);
  }
  const tweaks::Profile profile = tweaks::ParseProfile(name + " = " + value);
  if (!profile.errors.empty()) return Fail(profile.errors.front().message, output);
  return Apply(profile, json, services, output);
}

int Get(const std::string& name, const Services& services, Output& output) {
  const Setting* setting = tweaks::FindSetting(name);
  if (!setting) return Fail("unknown setting \"" + name + "\"; quillbox-cli settings list names them", output);
  const auto value = tweaks::ReadSetting(services, *setting);
  if (!value) return Fail(name + " is not set on this machine", output);
  output.out += *value + "\n";
  return kNothingFound;
}

}  // namespace

int RunSettings(const Arguments& arguments, const Services& services, Output& output) {
  const auto& words = arguments.words;
  const std::string action = words.size() >= 2 ? words[1] : std::string();
  const bool json = arguments.Has("--json");
  const size_t count = words.size();
  if (action == "list" && count == 2) return List(json, services, output);
  if (action == "get" && count == 3 && !json) return Get(words[2], services, output);
  if (action == "set" && count == 4) return Set(words[2], words[3], json, services, output);
  if (action == "export" && count <= 3 && !json) return Export(count == 3 ? words[2] : "", services, output);
  if (action == "check" && count == 3) return Check(words[2], json, services, output);
  if (action == "apply" && count == 3) {
    const auto profile = ReadProfile(words[2], services, output);
    return profile ? Apply(*profile, json, services, output) : kFailed;
  }
  return UsageError("expected settings list, get NAME, set NAME VALUE, export [FILE], check FILE or apply FILE "
                    "(--json with list, set, check and apply)",
                    output);
}

std::string SettingNames() {
  std::string names;
  for (const Setting& setting : tweaks::AllSettings()) {
    names += "  " + std::string(setting.name) + "  " + tweaks::ValueForm(setting) +
             (tweaks::NeedsAdministrator(setting)      ? "  (administrator)"
              : tweaks::TwinNeedsAdministrator(setting) ? "  (its copy for new users: administrator)"
                                                        : "") + "\n";
  }
  return names;
}

}  // namespace qb::cli
