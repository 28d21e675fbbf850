#include "tweaks/unsaved_changes.h"

#include <algorithm>

#include "language/wording.h"

namespace qb::tweaks {

namespace {

bool NeedsAdministrator(const WriteFailure& failure) { return status::Refused(failure.status); }

}  // namespace

bool UnsavedChanges::Note(std::string what, Status status) {
  if (status == status::kOk) {
    ++saved_;
    return true;
  }
  failures_.push_back({std::move(what), status});
  return false;
}

bool UnsavedChanges::OnlyNeedAdministrator() const {
  return std::all_of(failures_.begin(), failures_.end(), NeedsAdministrator);
}

std::string UnsavedChanges::MessageText(const Services& services) const {
  if (failures_.empty()) return {};
  std::string text = language::Say(services, failures_.size() == 1 ? language::phrase::kChangeNotSaved
                                                                   : language::phrase::kChangesNotSaved) +
                     "\n";
  for (const auto& failure : failures_) {
    text += "\n" + failure.what + "\n    " + services.environment.ErrorText(failure.status) + ".";
  }
  if (std::any_of(failures_.begin(), failures_.end(), NeedsAdministrator)) {
    text += "\n\n" + language::Say(services, language::phrase::kNeedsAdministrator);
  }
  return text;
}

void UnsavedChanges::Report(const Services& services, WindowHandle owner) const {
  if (failures_.empty()) return;
  services.dialogs.ShowMessage(owner, MessageText(services), {}, mb::kOk | mb::kIconExclamation);
}

}  // namespace qb::tweaks
