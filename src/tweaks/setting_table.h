#pragma once
// Every setting of the tweak pages under one stable name, with its type and where it lives,
// for reading and writing without the window (profiles, the console companion). Each entry
// points at the page's own binding or service, so a setting is read and written by the same
// rules the window follows: the same paths and twins, the same system call after the write.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "language/wording.h"
#include "platform/services.h"
#include "tweaks/input_page.h"
#include "tweaks/tweak_binding.h"
#include "tweaks/unsaved_changes.h"

namespace qb::tweaks {

enum class SettingType { OnOff, Number, Text, Colour };

// How the setting reaches the machine.
enum class SettingRoute {
  Binding,      // a registry value (and its twin), as the page's binding
  FullScreen,   // the browser's "yes"/"no" text
  EmptyCache,   // the opposite of the cache's "Persistent" number
  System,       // handed to the system, which keeps it in the user's profile
  DoubleClick,  // stored in the profile, then handed to the system
  Trails,       // handed to the system, kept in the stored preferences
  Smoothing,    // handed to the system, which keeps it in the user's profile
  Colour,       // a screen element's colour, for the session
};

struct Setting {
  std::string_view name;  // lower-case ASCII, "section.setting"
  SettingType type;
  SettingRoute route;
  long long min = 0;  // for numbers
  long long max = 0;
  const TweakBinding* binding = nullptr;  // Binding: read and written
  const TweakBinding* twin = nullptr;     // Binding: written beside it
  const SystemSetting* system = nullptr;  // System
  int colour = -1;                        // Colour: the system's element index
  std::string_view where;                 // for list: a registry path or what holds it
};

std::span<const Setting> AllSettings();
const Setting* FindSetting(std::string_view name);
// True when a standard user cannot change the setting; the twin of a per-user setting (its
// copy for new users) needs an administrator of its own.
bool NeedsAdministrator(const Setting& setting);
bool TwinNeedsAdministrator(const Setting& setting);
// Start menu and desktop settings: the shell reads them when the user signs in (the pages
// restart Windows after writing them).
bool TakesEffectAtSignIn(const Setting& setting);
// "user", "machine", or "user+new-users" for a per-user setting with a machine-wide twin.
std::string_view Scope(const Setting& setting);
std::string_view TypeWord(SettingType type);  // "on/off", "number", "text", "colour"
// The range or the form a value takes, for list and for messages: "1..20", "on|off", "#RRGGBB".
std::string ValueForm(const Setting& setting);

// The value the machine holds now, in its written form ("on", "12", "#FF0000", text);
// nothing when it is not set or holds something the setting cannot show.
std::optional<std::string> ReadSetting(const Services& services, const Setting& setting);
// The written form of a value, or nothing with the reason in why: on/off accept 1/0, numbers
// their range, colours #RRGGBB; text is any text of one line.
std::optional<std::string> NormaliseValue(const Setting& setting, std::string_view value,
                                          std::string& why,
                                          const language::Wording& say = language::InEnglish);
// Writes a normalised value through the page's own steps; every refusal is noted (a twin
// refused as well) and the result says whether all of it was saved.
bool WriteSetting(const Services& services, const Setting& setting, std::string_view value,
                  UnsavedChanges& unsaved);

}  // namespace qb::tweaks
