#pragma once
// What an Apply could not save. Every change the user may make is made; a change Windows
// refuses is skipped and remembered, and the Apply ends with one message naming them all,
// so that nothing is reported as saved that was not.
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/services.h"
#include "platform/status.h"

namespace qb::tweaks {

// A change that could not be saved: what it was (a registry path or a folder) and why.
struct WriteFailure {
  std::string what;
  Status status = status::kOk;
};

class UnsavedChanges {
 public:
  // Remembers a failed change; kOk is not a failure and is passed over. Returns whether the
  // change was saved.
  bool Note(std::string what, Status status);
  void Add(WriteFailure failure) { Note(std::move(failure.what), failure.status); }

  bool Empty() const { return failures_.empty(); }
  // How many changes were saved.
  size_t Saved() const { return saved_; }
  const std::vector<WriteFailure>& Failures() const { return failures_; }
  // True when every refusal is one an administrator would not meet (access denied).
  bool OnlyNeedAdministrator() const;

  // The one message of an Apply: each change not saved with the system's reason, and a
  // word about administrators when rights were missing. Nothing when all was saved.
  std::string MessageText(const Services& services) const;
  void Report(const Services& services, WindowHandle owner) const;

 private:
  std::vector<WriteFailure> failures_;
  size_t saved_ = 0;
};

}  // namespace qb::tweaks
