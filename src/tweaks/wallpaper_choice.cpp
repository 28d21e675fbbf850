#include "tweaks/wallpaper_choice.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/picture.h"
#include "tweaks/unsaved_changes.h"

namespace qb::tweaks {

namespace {

constexpr std::string_view kOwnFolder = "\\Quill Box";

// A photograph larger than the screen only makes the bitmap bigger.
int LargestUsefulSide(DisplayModes& modes) {
  const auto current = modes.Current();
  return current ? std::max(current->width, current->height) : 0;
}

// Writes beside the target first and then replaces it, so a failed write never leaves a
// broken wallpaper behind.
Status WriteReplacing(FileSystem& files, const std::string& target,
                      const std::vector<uint8_t>& bytes) {
  const std::string partial = target + ".new";
  Status result = files.WriteFile(partial, bytes);
  if (result == status::kOk) result = files.MoveFile(partial, target, true);
  if (result != status::kOk) files.DeleteFile(partial);
  return result;
}

}  // namespace

void ChooseWallpaper(ui::Form& form, const Services& services, const PageHooks& hooks) {
  std::string source;
  const FileChoice choice{.title = "Choose a picture for the desktop",
                          .filter = std::string(kWallpaperFilter)};
  if (!services.dialogs.ChooseOpenFile(hooks.Owner(), choice, source)) return;

  Picture picture;
  const Status decoded =
      services.images.Decode(source, LargestUsefulSide(services.display_modes), picture);
  if (decoded != status::kOk || picture.Empty()) {
    services.dialogs.ShowMessage(
        hooks.Owner(),
        "\"" + source + "\" could not be read as a picture (" +
            services.environment.ErrorText(decoded == status::kOk ? status::kInvalidData : decoded) +
            "). The wallpaper stays as it is.",
        {}, mb::kOk | mb::kIconExclamation);
    return;
  }
  const std::vector<uint8_t> bitmap = EncodeBitmapFile(picture);

  UnsavedChanges unsaved;
  const std::string own_folder = services.environment.LocalAppDataFolder() + std::string(kOwnFolder);
  for (const std::string& folder : {services.environment.WindowsFolder(), own_folder}) {
    if (folder == own_folder) services.files.CreateFolder(folder);  // may already be there
    const std::string target = folder + "\\" + std::string(kWallpaperFileName);
    if (unsaved.Note(target, WriteReplacing(services.files, target, bitmap))) {
      form["Image1"].SetPicture(target);
      return;
    }
  }
  unsaved.Report(services.dialogs, services.environment, hooks.Owner());
}

}  // namespace qb::tweaks
