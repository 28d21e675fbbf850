#pragma once
// Pictures decoded by the system's imaging library: BMP, JPEG, GIF, PNG, ICO and whatever
// else the system knows. The program has no codec of its own.
#include <string_view>

#include "platform/picture.h"
#include "platform/picture_size.h"
#include "platform/status.h"

namespace qb {

namespace status {
// A picture larger than this program decodes (see picture_size.h); the system's "not
// enough memory" code, since that is what decoding it would come to.
constexpr Status kPictureTooLarge = 14;
}  // namespace status

class Images {
 public:
  virtual ~Images() = default;
  // The first frame of the picture file, made smaller to fit max_side when that is above
  // zero. kInvalidData for a file that holds no readable picture; kPictureTooLarge, before
  // anything is decoded, for one whose declared size is beyond the program's bounds.
  virtual Status Decode(std::string_view path, int max_side, Picture& picture) = 0;
};

}  // namespace qb
