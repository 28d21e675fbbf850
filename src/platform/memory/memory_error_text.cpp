// The system's English texts for the error codes the in-memory machine gives.
#include <string>

#include "platform/memory/memory_error_text.h"

#include "platform/images.h"
#include "platform/memory/memory_services.h"

namespace qb {

std::string MemoryErrorText(Status code) {
  switch (code) {
    case status::kOk: return "The operation completed successfully";
    case status::kFileNotFound: return "The system cannot find the file specified";
    case status::kPathNotFound: return "The system cannot find the path specified";
    case status::kAccessDenied: return "Access is denied";
    case status::kInvalidHandle: return "The handle is invalid";
    case status::kInvalidData: return "The data is invalid";
    case status::kPictureTooLarge:
      return "Not enough memory resources are available to complete this operation";
    case status::kNotReady: return "The device is not ready";
    case status::kWriteFault: return "The system cannot write to the specified device";
    case status::kNotSameDevice: return "The system cannot move the file to a different disk drive";
    case status::kSharingViolation:
      return "The process cannot access the file because it is being used by another process";
    case status::kBadNetPath: return "The network path was not found";
    case status::kFileExists: return "The file exists";
    case status::kInvalidParameter: return "The parameter is incorrect";
    case status::kDiskFull: return "There is not enough space on the disk";
    case status::kInvalidName: return "The filename, directory name, or volume label syntax is incorrect";
    case status::kDirNotEmpty: return "The directory is not empty";
    case status::kAlreadyExists: return "Cannot create a file when that file already exists";
    case status::kMoreData: return "More data is available";
    case status::kDirectory: return "The directory name is invalid";
    case status::kNoMoreItems: return "No more data is available";
    case status::kBadKey: return "The configuration registry key is invalid";
    case status::kCantOpenKey: return "The configuration registry key could not be opened";
    case status::kPrivilegeNotHeld: return "A required privilege is not held by the client";
    case status::kFileReadOnly: return "The specified file is read only";
    default: return "Error " + std::to_string(code);
  }
}

std::string MemoryResultText(int32_t result) {
  const auto bits = static_cast<uint32_t>(result);
  if ((bits & 0xFFFF0000u) == 0x80070000u) return MemoryErrorText(static_cast<Status>(bits & 0xFFFF));
  switch (bits) {
    case 0x80004005u: return "Unspecified error";
    default: return "Error " + std::to_string(result);
  }
}

std::string MemoryEnvironment::ErrorText(Status code) { return MemoryErrorText(code); }

}  // namespace qb
