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

TEST(LabelPairing, WithoutALabelTheButtonBesideOrTheFrameNamesIt) {
  Form form("f", "F", 9000, 9000);
  auto& frame = form.Add({.name = "frame", .kind = ControlKind::Frame, .caption = "&Language",
                          .rect = {0, 0, 8000, 8000}});
  auto& combo = form.Add({.name = "combo", .kind = ControlKind::ComboBox, .container = &frame,
                          .rect = {240, 480, 3600, 315}});
  form.Add({.name = "since", .kind = ControlKind::CommandButton, .caption = "Undo all since",
            .rect = {240, 4440, 2100, 380}});
  auto& date = form.Add({.name = "date", .kind = ControlKind::TextBox, .rect = {2460, 4440, 1500, 380}});
  auto& far = form.Add({.name = "far", .kind = ControlKind::TextBox, .rect = {4800, 4440, 1500, 380}});
  EXPECT_EQ(NamingLabel(form, combo), nullptr);
  EXPECT_EQ(ImpliedName(form, combo), "&Language");
  EXPECT_EQ(ImpliedName(form, date), "Undo all since");
  EXPECT_EQ(ImpliedName(form, far), "") << "a button further off names nothing";

  // A label filled when the window loads still names the list below it.
  auto& heading = form.Add({.name = "heading", .kind = ControlKind::Label, .rect = {240, 5000, 3000, 240}});
  auto& list = form.Add({.name = "list", .kind = ControlKind::ListBox, .rect = {240, 5300, 3000, 1200}});
  EXPECT_EQ(NamingLabel(form, list), &heading);
}

}  // namespace
}  // namespace qb::ui
