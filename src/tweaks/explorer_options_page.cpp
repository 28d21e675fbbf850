#include "tweaks/explorer_options_page.h"

#include <string>

#include "language/wording.h"
#include "platform/text.h"
#include "registry/registry_paths.h"

namespace qb::tweaks {

const std::array<TweakBinding, 3> kExplorerTextBindings{{
    {"changetxt", "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\Window Title",
     BindingKind::TextBox},
    {"editortxt",
     "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor "
     "Name\\",
     BindingKind::TextBox},
    {"hometxt", "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\Start Page",
     BindingKind::TextBox},
}};

namespace {

constexpr std::string_view kFullScreenOn = "yes";
constexpr std::string_view kFullScreenOff = "no";

std::optional<std::string> StoredText(Registry& registry, std::string_view path) {
  RegValue value;
  if (registry::RegRead(registry, path, value) != status::kOk) return std::nullopt;
  return registry::ValueText(value);
}

std::optional<long long> StoredNumber(Registry& registry, std::string_view path) {
  RegValue value;
  if (registry::RegRead(registry, path, value) != status::kOk) return std::nullopt;
  return registry::ValueNumber(value);
}

void Report(const Services& services, const PageHooks& hooks, std::string_view what,
            Status written) {
  UnsavedChanges unsaved;
  unsaved.Note(std::string(what), written);
  unsaved.Report(services, hooks.Owner());
}

// The immediate writes store only a real change, so a box that shows the stored state
// (at load, for instance) writes nothing.
void SaveText(const Services& services, const PageHooks& hooks, std::string_view path,
              std::string_view text) {
  if (StoredText(services.registry, path) == std::optional<std::string>(text)) return;
  Report(services, hooks, path, registry::RegWrite(services.registry, path, text));
}

// The editor is only shown; Apply saves it. A cancelled choice leaves the box as it was.
void ChooseEditor(ui::Form& form, const Services& services, const PageHooks& hooks) {
  std::string path;
  if (services.dialogs.ChooseOpenFile(hooks.Owner(),
                                      {.title = language::Say(services, language::phrase::kChooseApplication),
                                       .filter = language::Say(services, language::phrase::kApplicationFiles) + "|*.exe"},
                                      path)) {
    form["editortxt"].SetText(std::move(path));
  }
}

// A cancelled choice keeps the stored bitmap.
void ChooseToolbarBitmap(const Services& services, const PageHooks& hooks) {
  std::string path;
  if (services.dialogs.ChooseOpenFile(hooks.Owner(),
                                      {.title = language::Say(services, language::phrase::kChoosePictureFile),
                                       .filter = language::Say(services, language::phrase::kBitmapFiles) + "|*.bmp"},
                                      path)) {
    SaveText(services, hooks, kToolbarBitmapPath, path);
  }
}

// A chosen folder is shown and saved at once; a cancelled browse shows the stored folder
// again and saves nothing.
void ChooseDownloadFolder(ui::Form& form, const Services& services, const PageHooks& hooks) {
  std::string folder;
  ui::Control& box = form["txtDownloadFolder"];
  if (services.dialogs.ChooseFolder(hooks.Owner(), language::Say(services, language::phrase::kChooseDownloadFolder), folder)) {
    box.SetText(folder);
    SaveText(services, hooks, kDownloadFolderPath, folder);
  } else if (auto stored = StoredText(services.registry, kDownloadFolderPath)) {
    box.SetText(std::move(*stored));
  }
}

void FullScreenClicked(const ui::Form& form, const Services& services, const PageHooks& hooks) {
  const int box = form["FullCheck"].Value();
  if (FullScreenBox(services.registry) == box) return;
  Report(services, hooks, kFullScreenPath, StoreFullScreen(services.registry, box == 1));
}

void EmptyCacheClicked(const ui::Form& form, const Services& services, const PageHooks& hooks) {
  const int box = form["EmptyCheck"].Value();
  if (EmptyCacheBox(services.registry) == box) return;
  Report(services, hooks, kKeepCachePath, StoreEmptyCache(services.registry, box == 1));
}

}  // namespace

// The browser starts full screen when the value says "yes", in any letter case.
std::optional<int> FullScreenBox(Registry& registry) {
  const auto stored = StoredText(registry, kFullScreenPath);
  if (!stored) return std::nullopt;
  if (text::EqualsNoCase(text::TrimBlanks(*stored), kFullScreenOn)) return 1;
  if (text::EqualsNoCase(text::TrimBlanks(*stored), kFullScreenOff)) return 0;
  return std::nullopt;
}

// "Persistent" = 0 empties the cache when the browser closes: the box is its opposite.
std::optional<int> EmptyCacheBox(Registry& registry) {
  const auto stored = StoredNumber(registry, kKeepCachePath);
  if (!stored || (*stored != 0 && *stored != 1)) return std::nullopt;
  return *stored == 0 ? 1 : 0;
}

Status StoreFullScreen(Registry& registry, bool on) {
  return registry::RegWrite(registry, kFullScreenPath, on ? kFullScreenOn : kFullScreenOff);
}

Status StoreEmptyCache(Registry& registry, bool on) {
  return registry::RegWrite(registry, kKeepCachePath, on ? 0 : 1, "REG_DWORD");
}

void LoadExplorerOptionsPage(ui::Form& form, const Services& services) {
  LoadBindings(form, services.registry, kExplorerTextBindings);
  if (auto folder = StoredText(services.registry, kDownloadFolderPath)) {
    form["txtDownloadFolder"].SetText(std::move(*folder));
  }
  if (const auto box = FullScreenBox(services.registry)) form["FullCheck"].SetValue(*box);
  if (const auto box = EmptyCacheBox(services.registry)) form["EmptyCheck"].SetValue(*box);
}

void WireExplorerOptionsPage(ui::Form& form, const Services& services, PageHooks hooks) {
  form["applycmd"].on_click = [&form, services, hooks] {
    ExplorerOptionsApply(form, services, hooks);
  };
  form["FullCheck"].on_click = [&form, services, hooks] {
    FullScreenClicked(form, services, hooks);
  };
  form["EmptyCheck"].on_click = [&form, services, hooks] {
    EmptyCacheClicked(form, services, hooks);
  };
  form["browse3cmd"].on_click = [&form, services, hooks] { ChooseEditor(form, services, hooks); };
  form["browse2cmd"].on_click = [services, hooks] { ChooseToolbarBitmap(services, hooks); };
  form["browsecmd"].on_click = [&form, services, hooks] {
    ChooseDownloadFolder(form, services, hooks);
  };
  form["nonecmd"].on_click = [services, hooks] {
    SaveText(services, hooks, kToolbarBitmapPath, "");
  };
}

void ExplorerOptionsApply(ui::Form& form, const Services& services,
                          const PageHooks& hooks) {
  UnsavedChanges unsaved;
  ApplyBindings(form, services.registry, kExplorerTextBindings, unsaved);
  unsaved.Report(services, hooks.Owner());
}

}  // namespace qb::tweaks
