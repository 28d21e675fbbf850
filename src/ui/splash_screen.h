#pragma once
#include <string>

namespace qb::ui {

// The picture shown while the main window starts. A missing or unreadable picture shows
// nothing; the start goes on either way.
class SplashScreen {
 public:
  virtual ~SplashScreen() = default;
  virtual void Show(const std::string& path) = 0;
  virtual void Close() = 0;
};

}  // namespace qb::ui
