#include "ui/form.h"

#include <algorithm>
#include <stdexcept>

namespace qb::ui {

Form::Form(std::string name, std::string caption, int width_twips, int height_twips)
    : name_(std::move(name)), caption_(std::move(caption)), width_(width_twips),
      height_(height_twips) {}

Form::~Form() = default;

Control& Form::Add(ControlSpec desc) {
  controls_.push_back(std::make_unique<Control>(*this, std::move(desc)));
  return *controls_.back();
}

Control* Form::Find(std::string_view name, int index) const {
  for (const auto& control : controls_) {
    if (control->Name() == name && control->Index() == index) return control.get();
  }
  return nullptr;
}

Control& Form::operator[](std::string_view name) const { return At(name, -1); }

Control& Form::At(std::string_view name, int index) const {
  if (Control* control = Find(name, index)) return *control;
  throw std::out_of_range(name_ + " has no control " + std::string(name) +
                          (index >= 0 ? "(" + std::to_string(index) + ")" : ""));
}

std::vector<Control*> Form::Array(std::string_view name) const {
  std::vector<Control*> members;
  for (const auto& control : controls_) {
    if (control->Name() == name && control->Index() >= 0) members.push_back(control.get());
  }
  std::sort(members.begin(), members.end(),
            [](const Control* a, const Control* b) { return a->Index() < b->Index(); });
  return members;
}

std::vector<Control*> Form::Children(const Control* container) const {
  std::vector<Control*> children;
  for (const auto& control : controls_) {
    if (control->Container() == container) children.push_back(control.get());
  }
  return children;
}

void Form::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Notify(FormProperty::Caption);
}

void Form::Resize(int width, int height) {
  if (width_ == width && height_ == height) return;
  width_ = width;
  height_ = height;
  Notify(FormProperty::Size);
  if (on_resize) on_resize();
}

void Form::SetSkinElement(std::string element) {
  skin_element_ = std::move(element);
  Notify(FormProperty::SkinElement);
}

void Form::SetTitleButtonCaption(const std::string& name, std::string caption) {
  std::string& words = title_button_captions_[name];
  if (words == caption) return;
  words = std::move(caption);
  Notify(FormProperty::TitleButtons);
}

void Form::SetBusy(bool busy) {
  if (busy_ == busy) return;
  busy_ = busy;
  Notify(FormProperty::Cursor);
}

void Form::ControlChanged(Control& control, Property property) {
  if (observer_) observer_->ControlChanged(control, property);
}

void Form::Notify(FormProperty property) {
  if (observer_) observer_->FormChanged(*this, property);
}

}  // namespace qb::ui
