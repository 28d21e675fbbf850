#pragma once
// Adds the controls of a window layout: one call per control, naming only what a layout
// decides (name, container, place, caption, language key). Every layout uses this one.
#include <string>
#include <string_view>
#include <utility>

#include "ui/form.h"

namespace qb::ui {

struct FormBuilder {
  Form& form;

  Control& Add(ControlSpec desc) { return form.Add(std::move(desc)); }
  Control& Add(std::string_view name, ControlKind kind, Control* in, TwipRect rect, std::string_view caption = {},
               std::string_view tag = {}) {
    return Add({.name = std::string(name), .kind = kind, .container = in, .caption = std::string(caption),
                .tag = std::string(tag), .rect = rect});
  }
  Control& Frame(std::string name, Control* in, TwipRect rect, std::string caption, std::string tag = {},
                 int index = -1) {
    return Add({.name = std::move(name), .kind = ControlKind::Frame, .container = in, .index = index,
                .caption = std::move(caption), .tag = std::move(tag), .rect = rect});
  }
  Control& Button(std::string name, Control* in, TwipRect rect, std::string caption, std::string tag) {
    return Add(std::move(name), ControlKind::CommandButton, in, rect, std::move(caption), std::move(tag));
  }
  Control& Check(std::string name, Control* in, TwipRect rect, std::string caption, std::string tag) {
    return Add(std::move(name), ControlKind::CheckBox, in, rect, std::move(caption), std::move(tag));
  }
  Control& Label(std::string name, Control* in, TwipRect rect, std::string caption, std::string tag = {},
                 ControlKind kind = ControlKind::SkinLabel) {
    return Add(std::move(name), kind, in, rect, std::move(caption), std::move(tag));
  }
  Control& Text(std::string name, Control* in, TwipRect rect, std::string text = {}, bool locked = false) {
    return Add({.name = std::move(name), .kind = ControlKind::TextBox, .container = in, .rect = rect,
                .text = std::move(text), .locked = locked});
  }
  Control& Slider(std::string name, Control* in, TwipRect rect, int min, int max, int value) {
    return Add({.name = std::move(name), .kind = ControlKind::Slider, .container = in, .rect = rect,
                .value = value, .min = min, .max = max});
  }
  Control& Bar(std::string name, Control* in, TwipRect rect) {
    return Add({.name = std::move(name), .kind = ControlKind::ProgressBar, .container = in, .rect = rect,
                .min = 0, .max = 100});
  }
};

}  // namespace qb::ui
