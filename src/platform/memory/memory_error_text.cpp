// The system's English texts for the error codes the in-memory machine gives.
#include <string>

#include "platform/memory/memory_services.h"

namespace qb {

std::string MemoryEnvironment::ErrorText(Status code) {
  switch (code) {
    case status::kOk: return "The operation completed successfully";
    case status::kFileNotFound: return "The system cannot find the file specified";
    case status::kPathNotFound: return "The system cannot find the path specified";
    case status::kAccessDenied: return "Access is denied";
    case status::kInvalidHandle: return "The handle is invalid";
    case status::kNotReady: return "The device is not ready";
    case status::kWriteFault: return "The system cannot write to the specified device";
    case status::kBadNetPath: return "The network path was not found";
    case status::kFileExists: return "The file exists";
    case status::kInvalidParameter: return "The parameter is incorrect";
    case status::kDirNotEmpty: return "The directory is not empty";
    case status::kAlreadyExists: return "Cannot create a file when that file already exists";
    case status::kMoreData: return "More data is available";
    case status::kNoMoreItems: return "No more data is available";
    case status::kBadKey: return "The configuration registry key is invalid";
    case status::kCantOpenKey: return "The configuration registry key could not be opened";
    case status::kPrivilegeNotHeld: return "A required privilege is not held by the client";
    default: return "Error " + std::to_string(code);
  }
}

}  // namespace qb
