#pragma once
#include <string>
#include <string_view>

#include "platform/shell.h"

namespace qb {

// Message-box styles and answers, with the system's values.
namespace mb {
constexpr unsigned kOk = 0x0;
constexpr unsigned kOkCancel = 0x1;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kIconStop = 0x10;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kIconInformation = 0x40;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
}  // namespace mb

inline constexpr std::string_view kDefaultMessageTitle = "Quill Box";

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a modal message box; returns the answer (mb::kIdOk, kIdYes, ...).
  virtual int ShowMessage(WindowHandle owner, std::string_view text, std::string_view title,
                         unsigned style) = 0;
};

}  // namespace qb
