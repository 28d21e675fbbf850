#include "customise/write_failure.h"

#include "language/wording.h"

namespace qb::customise {

std::string WhyNotWritten(const Services& services, std::string_view path, Status error) {
  const std::string file(path);
  switch (error) {
    case status::kDirectory:
      return file + " is a folder, not a file, so it was left as it is.";
    case status::kFileReadOnly:
      return file + " is read-only, so it was left as it is. Clear its read-only attribute to "
             "let it be changed.";
    case status::kInvalidData:
      return file + " is not a text file that can be changed without damaging it, so it was "
             "left as it is.";
    case status::kInvalidParameter:
      return file + " cannot hold that text as it is, so it was left as it is.";
    default:
      break;
  }
  std::string message = language::CouldNot(services, language::phrase::kFileNotWritten, error, {file});
  if (error == status::kAccessDenied) message += " Changing it needs an administrator.";
  return message;
}

}  // namespace qb::customise
