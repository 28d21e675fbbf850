#pragma once
// Every window the program shows, made as its design lays it out, with the way its captions
// are translated: for checks that must see all of them, such as captions that fit their
// controls in every language. A new window joins this list.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form_names.h"
#include "ui/form.h"

namespace qb::app {

struct WindowDesign {
  std::string name;  // the form's name
  std::function<std::unique_ptr<ui::Form>()> create;
  bool controls_translated = false;  // whether the language pass runs over its controls
  std::string_view title_key;        // empty: the title stays as designed
  std::vector<CodedCaption> coded_captions;
  std::string_view element;          // the skin element of the window
};

std::vector<WindowDesign> ProgramWindows();

}  // namespace qb::app
