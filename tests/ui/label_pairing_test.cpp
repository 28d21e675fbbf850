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

// As the folder icon window lays them out: the heading names the drive list below it, and the
// folder tree under that list, past the usual distance, through it.
TEST(LabelPairing, AHeadingOverAColumnNamesTheControlsItHeads) {
  Form form("f", "F", 9000, 9000);
  auto& heading = form.Add({.name = "heading", .kind = ControlKind::SkinLabel, .caption = "Choose the &folder",
                            .rect = {240, 480, 4920, 420}});
  auto& drives = form.Add({.name = "drives", .kind = ControlKind::DriveList, .rect = {240, 960, 2400, 315}});
  auto& tree = form.Add({.name = "tree", .kind = ControlKind::FolderTree, .rect = {240, 1380, 4920, 2040}});
  EXPECT_EQ(NamingLabel(form, drives), &heading);
  EXPECT_EQ(NamingLabel(form, tree), nullptr);
  EXPECT_EQ(ImpliedName(form, tree), "Choose the folder");

  Form other("g", "G", 9000, 9000);
  other.Add({.name = "heading", .kind = ControlKind::SkinLabel, .caption = "Heading", .rect = {2000, 480, 3000, 420}});
  other.Add({.name = "name", .kind = ControlKind::Label, .caption = "Name:", .rect = {240, 1000, 1500, 240}});
  other.Add({.name = "box", .kind = ControlKind::TextBox, .rect = {2000, 980, 3000, 300}});
  auto& below = other.Add({.name = "tree", .kind = ControlKind::FolderTree, .rect = {2000, 1700, 3000, 2000}});
  EXPECT_EQ(ImpliedName(other, below), "") << "a control between that another label names";
}

}  // namespace
}  // namespace qb::ui
