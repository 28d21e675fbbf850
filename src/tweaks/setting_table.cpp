#include "tweaks/setting_table.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/text.h"
#include "registry/registry_paths.h"
#include "tweaks/desktop_page.h"
#include "tweaks/explorer_options_page.h"
#include "tweaks/privacy_page.h"
#include "tweaks/start_menu_page.h"
#include "tweaks/visual_options_page.h"

namespace qb::tweaks {

namespace {

// The two settings the Explorer tab saves at once, without a binding of their own there.
const TweakBinding kDownloadFolder{"txtDownloadFolder", kDownloadFolderPath, BindingKind::TextBox};
const TweakBinding kToolbarBitmap{"browse2cmd", kToolbarBitmapPath, BindingKind::TextBox};

constexpr int kWindowText = 8;  // COLOR_WINDOWTEXT: not in the colours window's list

using T = SettingType;
using R = SettingRoute;

Setting OnOff(std::string_view name, const TweakBinding& binding) {
  return {.name = name, .type = T::OnOff, .route = R::Binding, .binding = &binding, .where = binding.path};
}

Setting Colour(std::string_view name, int index) {
  return {.name = name, .type = T::Colour, .route = R::Colour, .colour = index,
          .where = "the screen element's colour (this session)"};
}

// In the order the window writes them: page by page, each page in its table's order.
const Setting kSettings[] = {
    {.name = "startmenu.menu-show-delay", .type = T::Number, .route = R::Binding, .min = 0, .max = 4000,
     .binding = &kMenuTimingBindings[0], .twin = &kMenuTimingBindings[1], .where = kMenuTimingBindings[0].path},
    {.name = "startmenu.wheel-scroll-lines", .type = T::Number, .route = R::Binding, .min = 0, .max = 100,
     .binding = &kMenuTimingBindings[2], .twin = &kMenuTimingBindings[3], .where = kMenuTimingBindings[2].path},
    OnOff("startmenu.no-display-settings", kStartMenuRestrictionBindings[0]),
    OnOff("startmenu.no-shut-down", kStartMenuRestrictionBindings[1]),
    OnOff("startmenu.no-run", kStartMenuRestrictionBindings[2]),
    OnOff("startmenu.no-find", kStartMenuRestrictionBindings[3]),
    OnOff("startmenu.no-recent-documents", kStartMenuRestrictionBindings[4]),
    OnOff("startmenu.no-favorites", kStartMenuRestrictionBindings[5]),
    OnOff("startmenu.no-taskbar-menu", kStartMenuRestrictionBindings[6]),
    OnOff("desktop.hide-icons", kDesktopBindings[0]),
    OnOff("desktop.no-internet-icon", kDesktopBindings[1]),
    OnOff("desktop.no-context-menu", kDesktopBindings[2]),
    OnOff("privacy.disable-registry-tools", kPrivacyBindings[0]),
    {.name = "explorer.window-title", .type = T::Text, .route = R::Binding,
     .binding = &kExplorerTextBindings[0], .where = kExplorerTextBindings[0].path},
    {.name = "explorer.view-source-editor", .type = T::Text, .route = R::Binding,
     .binding = &kExplorerTextBindings[1], .where = kExplorerTextBindings[1].path},
    {.name = "explorer.home-page", .type = T::Text, .route = R::Binding,
     .binding = &kExplorerTextBindings[2], .where = kExplorerTextBindings[2].path},
    {.name = "explorer.download-folder", .type = T::Text, .route = R::Binding,
     .binding = &kDownloadFolder, .where = kDownloadFolderPath},
    {.name = "explorer.toolbar-bitmap", .type = T::Text, .route = R::Binding,
     .binding = &kToolbarBitmap, .where = kToolbarBitmapPath},
    {.name = "explorer.full-screen", .type = T::OnOff, .route = R::FullScreen, .where = kFullScreenPath},
    {.name = "explorer.empty-cache-on-exit", .type = T::OnOff, .route = R::EmptyCache, .where = kKeepCachePath},
    {.name = "input.mouse-speed", .type = T::Number, .route = R::System, .min = 1, .max = 20,
     .system = &kInputSystemSettings[0], .where = kInputSystemSettings[0].binding.path},
    {.name = "input.keyboard-speed", .type = T::Number, .route = R::System, .min = 0, .max = 31,
     .system = &kInputSystemSettings[1], .where = kInputSystemSettings[1].binding.path},
    {.name = "input.keyboard-delay", .type = T::Number, .route = R::System, .min = 0, .max = 3,
     .system = &kInputSystemSettings[2], .where = kInputSystemSettings[2].binding.path},
    {.name = "input.double-click-time", .type = T::Number, .route = R::DoubleClick, .min = 100, .max = 5000,
     .where = kDoubleClickPath},
    {.name = "input.swap-buttons", .type = T::OnOff, .route = R::System, .system = &kInputSystemSettings[3],
     .where = kInputSystemSettings[3].binding.path},
    {.name = "input.pointer-trails", .type = T::OnOff, .route = R::Trails,
     .where = "the system, and the stored preference \"mouse\" \"trails\""},
    {.name = "visual.font-smoothing", .type = T::OnOff, .route = R::Smoothing, .where = kFontSmoothingPath},
    Colour("colours.active-caption", syscolour::kActiveCaption),
    Colour("colours.inactive-caption", syscolour::kInactiveCaption),
    Colour("colours.caption-text", syscolour::kCaptionText),
    Colour("colours.inactive-caption-text", syscolour::kInactiveCaptionText),
    Colour("colours.active-border", syscolour::kActiveBorder),
    Colour("colours.inactive-border", syscolour::kInactiveBorder),
    Colour("colours.grey-text", syscolour::kGrayText),
    Colour("colours.button-text", syscolour::kButtonText),
    Colour("colours.highlight", syscolour::kHighlight),
    Colour("colours.highlight-text", syscolour::kHighlightText),
    Colour("colours.menu", syscolour::kMenu),
    Colour("colours.menu-text", syscolour::kMenuText),
    Colour("colours.background", syscolour::kBackground),
    Colour("colours.window-text", kWindowText),
};

bool MachineWide(const TweakBinding* binding) {
  if (!binding) return false;
  const std::string root = text::ToLowerAscii(binding->path.substr(0, binding->path.find('\\')));
  return root != "hkey_current_user" && root != "hkcu";
}

std::string OnOffWord(long long number) { return number != 0 ? "on" : "off"; }

// Check boxes show 0 and 1; a missing value is a clear box, anything else is not shown.
std::optional<std::string> StoredOnOff(Registry& registry, const TweakBinding& binding) {
  RegValue value;
  const Status read = registry::RegRead(registry, binding.path, value);
  if (read == status::kFileNotFound || read == status::kPathNotFound) return "off";
  const auto number = StoredBindingNumber(registry, binding);
  if (read != status::kOk || !number || (*number != 0 && *number != 1)) return std::nullopt;
  return OnOffWord(*number);
}

std::optional<std::string> FromBox(std::optional<int> box) {
  if (!box) return std::nullopt;
  return OnOffWord(*box);
}

std::optional<std::string> ReadBinding(Registry& registry, const Setting& setting) {
  switch (setting.type) {
    case T::OnOff:
      return StoredOnOff(registry, *setting.binding);
    case T::Number:
      if (const auto number = StoredBindingNumber(registry, *setting.binding)) return std::to_string(*number);
      return std::nullopt;
    case T::Text:
      // A missing text is not set, as a missing number is (the page shows an empty box for
      // it): a profile made from this machine leaves it alone rather than blank it elsewhere.
      if (RegValue value; registry::RegRead(registry, setting.binding->path, value) != status::kOk) {
        return std::nullopt;
      }
      return StoredBindingText(registry, *setting.binding);
    case T::Colour:
      break;
  }
  return std::nullopt;
}

Status WriteBinding(Registry& registry, const Setting& setting, const TweakBinding& binding,
                    std::string_view value) {
  if (setting.type == T::Text) return WriteBindingText(registry, binding, value);
  const long long number = setting.type == T::OnOff ? (value == "on" ? 1 : 0)
                                                    : registry::WholeNumber(value).value_or(0);
  return WriteBindingNumber(registry, binding, number);
}

std::optional<ColourRef> ParseColour(std::string_view value) {
  if (value.size() != 7 || value[0] != '#') return std::nullopt;
  unsigned rgb = 0;
  for (char c : value.substr(1)) {
    const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                      : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                                  : -1;
    if (digit < 0) return std::nullopt;
    rgb = rgb * 16 + static_cast<unsigned>(digit);
  }
  // #RRGGBB as the system keeps it: 0x00BBGGRR.
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

std::string ColourText(ColourRef colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return text;
}

}  // namespace

std::span<const Setting> AllSettings() { return kSettings; }

const Setting* FindSetting(std::string_view name) {
  const auto found = std::find_if(std::begin(kSettings), std::end(kSettings),
                                  [&](const Setting& setting) { return setting.name == name; });
  return found == std::end(kSettings) ? nullptr : &*found;
}

bool NeedsAdministrator(const Setting& setting) { return MachineWide(setting.binding); }

bool TwinNeedsAdministrator(const Setting& setting) { return MachineWide(setting.twin); }

std::string_view Scope(const Setting& setting) {
  if (NeedsAdministrator(setting)) return "machine";
  return TwinNeedsAdministrator(setting) ? "user+new-users" : "user";
}

std::string_view TypeWord(SettingType type) {
  switch (type) {
    case T::OnOff: return "on/off";
    case T::Number: return "number";
    case T::Text: return "text";
    case T::Colour: return "colour";
  }
  return "";
}

std::string ValueForm(const Setting& setting) {
  switch (setting.type) {
    case T::OnOff: return "on|off";
    case T::Number: return std::to_string(setting.min) + ".." + std::to_string(setting.max);
    case T::Text: return "text";
    case T::Colour: return "#RRGGBB";
  }
  return "";
}

std::optional<std::string> ReadSetting(const Services& services, const Setting& setting) {
  Registry& registry = services.registry;
  switch (setting.route) {
    case R::Binding: return ReadBinding(registry, setting);
    case R::FullScreen: return FromBox(FullScreenBox(registry));
    case R::EmptyCache: return FromBox(EmptyCacheBox(registry));
    case R::System:
      if (const auto number = StoredBindingNumber(registry, setting.system->binding)) {
        return setting.type == T::OnOff ? FromBox(*number == 0 || *number == 1 ? std::optional<int>(*number) : std::nullopt)
                                        : std::optional<std::string>(std::to_string(*number));
      }
      return std::nullopt;
    case R::DoubleClick:
      if (const auto milliseconds = StoredDoubleClick(registry)) return std::to_string(*milliseconds);
      return std::nullopt;
    case R::Trails: return FromBox(StoredTrails(registry));
    case R::Smoothing: return FromBox(StoredSmoothing(registry));
    case R::Colour: return ColourText(services.system_colours.Get(setting.colour));
  }
  return std::nullopt;
}

std::optional<std::string> NormaliseValue(const Setting& setting, std::string_view value,
                                          std::string& why, const language::Wording& say) {
  switch (setting.type) {
    case T::OnOff:
      if (value == "on" || value == "1") return "on";
      if (value == "off" || value == "0") return "off";
      why = say(language::phrase::kExpectedOnOff, {});
      return std::nullopt;
    case T::Number:
      if (const auto number = registry::WholeNumber(value);
          number && *number >= setting.min && *number <= setting.max && !value.empty() &&
          value.find_first_not_of("-0123456789") == std::string_view::npos) {
        return std::to_string(*number);
      }
      why = say(language::phrase::kExpectedNumber, {std::to_string(setting.min), std::to_string(setting.max)});
      return std::nullopt;
    case T::Text:
      if (value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos) return std::string(value);
      why = say(language::phrase::kTextOneLine, {});
      return std::nullopt;
    case T::Colour:
      if (const auto colour = ParseColour(value)) return ColourText(*colour);
      why = say(language::phrase::kExpectedColour, {});
      return std::nullopt;
  }
  return std::nullopt;
}

bool TakesEffectAtSignIn(const Setting& setting) {
  return setting.name.starts_with("startmenu.") || setting.name.starts_with("desktop.");
}

bool WriteSetting(const Services& services, const Setting& setting, std::string_view value,
                  UnsavedChanges& unsaved) {
  const std::string name(setting.name);
  const bool on = value == "on";
  switch (setting.route) {
    case R::Binding: {
      bool saved = unsaved.Note(name + " (" + std::string(setting.binding->path) + ")",
                                WriteBinding(services.registry, setting, *setting.binding, value));
      if (setting.twin) {
        saved = unsaved.Note(name + " (" + std::string(setting.twin->path) + ")",
                             WriteBinding(services.registry, setting, *setting.twin, value)) && saved;
      }
      return saved;
    }
    case R::FullScreen: return unsaved.Note(name, StoreFullScreen(services.registry, on));
    case R::EmptyCache: return unsaved.Note(name, StoreEmptyCache(services.registry, on));
    case R::System: {
      const int number = setting.type == T::OnOff ? (on ? 1 : 0)
                                                  : static_cast<int>(registry::WholeNumber(value).value_or(0));
      return unsaved.Note(name, SetSystemSetting(services, *setting.system, number));
    }
    case R::DoubleClick:
      return StoreDoubleClick(services, static_cast<int>(registry::WholeNumber(value).value_or(0)), unsaved);
    case R::Trails: return StoreTrails(services, on, unsaved);
    case R::Smoothing: return StoreSmoothing(services, on, unsaved);
    case R::Colour:
      return unsaved.Note(name, services.system_colours.Set(setting.colour, *ParseColour(value)));
  }
  return false;
}

}  // namespace qb::tweaks
