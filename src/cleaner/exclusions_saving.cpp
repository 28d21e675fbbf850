#include "cleaner/exclusions_saving.h"

#include "language/wording.h"

namespace qb::cleaner {

bool SaveExclusionsOrSay(const Services& services, WindowHandle owner, std::string_view title,
                         const Exclusions& exclusions) {
  const Status saved = SaveExclusions(services.files, services.environment, exclusions);
  if (saved == status::kOk) return true;
  services.dialogs.ShowMessage(owner,
                               language::CouldNot(services, language::phrase::kExclusionsNotSaved, saved,
                                                  {ExclusionsPath(services.environment)}),
                               title, mb::kOk | mb::kIconStop);
  return false;
}

}  // namespace qb::cleaner
