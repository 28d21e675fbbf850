#include "tweaks/wallpaper_choice.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "language/wording.h"
#include "platform/picture.h"
#include "platform/picture_size.h"
#include "platform/replace_file.h"
#include "platform/text.h"

namespace qb::tweaks {

namespace {

constexpr std::string_view kOwnFolder = "\\Quill Box";

// A photograph larger than the screen only makes the bitmap bigger.
int LargestUsefulSide(DisplayModes& modes) {
  const auto current = modes.Current();
  return current ? std::max(current->width, current->height) : 0;
}

// Where the bitmaps go: the Windows folder, or the user's own folder when that one may not
// be written.
std::array<std::string, 2> WallpaperFolders(const Services& services) {
  return {services.environment.WindowsFolder(),
          services.environment.LocalAppDataFolder() + std::string(kOwnFolder)};
}

std::string Beside(std::string_view folder, std::string_view name) {
  return std::string(folder) + "\\" + std::string(name);
}

// The folder of a chosen bitmap not yet applied, or nothing for any other picture.
std::optional<std::string> ChoiceFolder(std::string_view picture) {
  const std::string tail = "\\" + std::string(kChosenWallpaperFileName);
  if (picture.size() <= tail.size() ||
      !text::EqualsNoCase(picture.substr(picture.size() - tail.size()), tail)) {
    return std::nullopt;
  }
  return std::string(picture.substr(0, picture.size() - tail.size()));
}

// A write that fails part way leaves no broken choice behind.
// A picture refused for its declared size is named so: the system's text for that status
// speaks of memory, which would send the user looking in the wrong place.
std::string WhyNotDecoded(const Services& services, Status decoded) {
  if (decoded == status::kPictureTooLarge) return language::Say(services, language::phrase::kPictureTooLarge);
  return services.environment.ErrorText(decoded == status::kOk ? status::kInvalidData : decoded);
}

}  // namespace

std::vector<std::string> ChosenWallpaperFiles(const Services& services) {
  std::vector<std::string> files;
  for (const std::string& folder : WallpaperFolders(services)) files.push_back(Beside(folder, kChosenWallpaperFileName));
  return files;
}

void ChooseWallpaper(ui::Form& form, const Services& services, const PageHooks& hooks) {
  std::string source;
  const FileChoice choice{.title = language::Say(services, language::phrase::kChooseWallpaper),
                          .filter = language::Say(services, language::phrase::kAllImageFiles) +
                                    "|" + std::string(kWallpaperPatterns)};
  if (!services.dialogs.ChooseOpenFile(hooks.Owner(), choice, source)) return;

  Picture picture;
  const Status decoded =
      services.images.Decode(source, LargestUsefulSide(services.display_modes), picture);
  if (decoded != status::kOk || picture.Empty()) {
    services.dialogs.ShowMessage(
        hooks.Owner(),
        language::Say(services, language::phrase::kWallpaperNotAPicture,
                      {source, WhyNotDecoded(services, decoded)}),
        {}, mb::kOk | mb::kIconExclamation);
    return;
  }
  const std::vector<uint8_t> bitmap = EncodeBitmapFile(picture);

  ui::Control& preview = form["Image1"];
  UnsavedChanges unsaved;
  const auto folders = WallpaperFolders(services);
  for (const std::string& folder : folders) {
    if (folder != folders.front()) services.files.CreateFolder(folder);  // may already be there
    const std::string target = Beside(folder, kChosenWallpaperFileName);
    if (unsaved.Note(target, ReplaceWholeFile(services.files, target, bitmap))) {
      // The earlier choice, when it went to the other folder, is not applied now either.
      if (preview.PicturePath() != target) DiscardWallpaperChoice(form, services.files);
      preview.SetPicture(target);
      return;
    }
  }
  // A failed write leaves the earlier choice whole, so the preview stays on it.
  unsaved.Report(services, hooks.Owner());
}

void ApplyWallpaper(ui::Form& form, const Services& services, UnsavedChanges& unsaved) {
  ui::Control& preview = form["Image1"];
  std::string picture = preview.PicturePath();
  if (picture.empty()) return;
  if (const auto folder = ChoiceFolder(picture)) {
    // One rename: the desktop finds either the old bitmap or the new one, whole.
    const std::string applied = Beside(*folder, kWallpaperFileName);
    if (!unsaved.Note(applied, services.files.MoveFile(picture, applied, true))) return;
    preview.SetPicture(applied);
    picture = applied;
  }
  unsaved.Note(language::Say(services, language::phrase::kDesktopWallpaper, {picture}), services.system_parameters.SetWallpaper(picture));
}

void DiscardWallpaperChoice(ui::Form& form, FileSystem& files) {
  ui::Control& preview = form["Image1"];
  if (!ChoiceFolder(preview.PicturePath())) return;
  files.DeleteFile(preview.PicturePath());
  preview.SetPicture({});
}

void DiscardWallpaperChoices(const Services& services) {
  for (const std::string& folder : WallpaperFolders(services)) {
    services.files.DeleteFile(Beside(folder, kChosenWallpaperFileName));
  }
}

}  // namespace qb::tweaks
