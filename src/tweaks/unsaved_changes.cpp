#include "tweaks/unsaved_changes.h"

#include <algorithm>

namespace qb::tweaks {

namespace {

bool NeedsAdministrator(const WriteFailure& failure) { return status::Refused(failure.status); }

}  // namespace

bool UnsavedChanges::Note(std::string what, Status status) {
  if (status == status::kOk) return true;
  failures_.push_back({std::move(what), status});
  return false;
}

bool UnsavedChanges::OnlyNeedAdministrator() const {
  return std::all_of(failures_.begin(), failures_.end(), NeedsAdministrator);
}

std::string UnsavedChanges::MessageText(Environment& environment) const {
  if (failures_.empty()) return {};
  std::string text = failures_.size() == 1 ? "This change was not saved:\n"
                                            : "These changes were not saved:\n";
  for (const auto& failure : failures_) {
    text += "\n" + failure.what + "\n    " + environment.ErrorText(failure.status) + ".";
  }
  if (std::any_of(failures_.begin(), failures_.end(), NeedsAdministrator)) {
    text +=
        "\n\nChanging machine-wide settings and the settings of other users needs an "
        "administrator. Start Quill Box as an administrator to save them.";
  }
  return text;
}

void UnsavedChanges::Report(Dialogs& dialogs, Environment& environment,
                            WindowHandle owner) const {
  if (failures_.empty()) return;
  dialogs.ShowMessage(owner, MessageText(environment), {}, mb::kOk | mb::kIconExclamation);
}

}  // namespace qb::tweaks
