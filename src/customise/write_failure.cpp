#include "customise/write_failure.h"

#include "language/wording.h"

namespace qb::customise {

std::string WhyNotWritten(const Services& services, std::string_view path, Status error) {
  const std::string file(path);
  namespace phrase = language::phrase;
  switch (error) {
    case status::kDirectory: return language::Say(services, phrase::kIsAFolderNotAFile, {file});
    case status::kFileReadOnly: return language::Say(services, phrase::kIsReadOnly, {file});
    case status::kInvalidData: return language::Say(services, phrase::kNotPlainText, {file});
    case status::kInvalidParameter: return language::Say(services, phrase::kCannotHoldText, {file});
    default: break;
  }
  std::string message = language::CouldNot(services, phrase::kFileNotWritten, error, {file});
  if (error == status::kAccessDenied) message += " " + language::Say(services, phrase::kFileNeedsAdministrator);
  return message;
}

}  // namespace qb::customise
