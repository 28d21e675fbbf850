#include "ui/label_pairing.h"

#include <gtest/gtest.h>

namespace qb::ui {
namespace {

TEST(LabelPairing, TheLabelBesideWinsThenTheOneJustAbove) {
  Form form("f", "F", 9000, 9000);
  auto& frame = form.Add({.name = "frame", .kind = ControlKind::Frame, .rect = {0, 0, 8000, 8000}});
  form.Add({.name = "heading", .kind = ControlKind::Label, .container = &frame,
                            .caption = "Heading", .rect = {100, 100, 3000, 240}});
  auto& near_left = form.Add({.name = "near", .kind = ControlKind::Label, .container = &frame,
                              .caption = "Name:", .rect = {1000, 400, 900, 240}});
  form.Add({.name = "far", .kind = ControlKind::Label, .container = &frame, .caption = "Far:",
            .rect = {100, 400, 800, 240}});
  auto& box = form.Add({.name = "box", .kind = ControlKind::TextBox, .container = &frame,
                        .rect = {2000, 380, 2000, 300}});
  EXPECT_EQ(NamingLabel(form, box), &near_left) << "the nearest label on its left";

  auto& list = form.Add({.name = "list", .kind = ControlKind::ListBox, .container = &frame,
                         .rect = {100, 1000, 3000, 1200}});
  auto& caption = form.Add({.name = "caption", .kind = ControlKind::Label, .container = &frame,
                            .caption = "Entries", .rect = {100, 700, 1500, 240}});
  EXPECT_EQ(NamingLabel(form, list), &caption) << "the nearest label above, not the heading";
}

}  // namespace
}  // namespace qb::ui
