#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/form.h"

namespace qb::ui {
namespace {

TEST(FormModel, CheckBoxValueRaisesClickOnlyWhenItChanges) {
  Form form("f", "F", 1000, 1000);
  auto& box = form.Add({.name = "runchk", .kind = ControlKind::CheckBox});
  int clicks = 0;
  box.on_click = [&] { ++clicks; };
  box.SetValue(1);
  box.SetValue(1);
  box.SetValue(7);  // clamped to grey
  EXPECT_EQ(box.Value(), 2);
  EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace qb::ui
