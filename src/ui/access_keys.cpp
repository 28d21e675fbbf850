#include "ui/access_keys.h"

namespace qb::ui {

bool RepeatsButtonCaption(const Control& frame) {
  if (frame.Tag().empty()) return false;
  for (const auto& control : frame.Owner().Controls()) {
    if (control->Kind() == ControlKind::CommandButton && control->Tag() == frame.Tag()) return true;
  }
  return false;
}

std::string WithoutAccessKey(std::string_view caption) {
  std::string kept;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&' || i + 1 == caption.size()) {
      kept += caption[i];
    } else if (caption[i + 1] == '&') {
      kept += "&&";
      ++i;
    }
  }
  return kept;
}

std::string LiteralCaption(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    shown += c;
    if (c == '&') shown += '&';
  }
  return shown;
}

std::string FrameCaptionShown(const Control& frame) {
  return RepeatsButtonCaption(frame) ? WithoutAccessKey(frame.Caption()) : frame.Caption();
}

}  // namespace qb::ui
