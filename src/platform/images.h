#pragma once
// Pictures decoded by the system's imaging library: BMP, JPEG, GIF, PNG, ICO and whatever
// else the system knows. The program has no codec of its own.
#include <string_view>

#include "platform/picture.h"
#include "platform/status.h"

namespace qb {

namespace status {
// A file that is not a picture the system can read.
constexpr Status kInvalidData = 13;
}  // namespace status

class Images {
 public:
  virtual ~Images() = default;
  // The first frame of the picture file, made smaller to fit max_side when that is above
  // zero. kInvalidData for a file that holds no readable picture.
  virtual Status Decode(std::string_view path, int max_side, Picture& picture) = 0;
};

}  // namespace qb
