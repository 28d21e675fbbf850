#include "ui/tab_pages.h"

namespace qb::ui {

void ShowSelectedTab(Form& form, std::string_view strip, std::string_view pages) {
  const int selected = form[strip].SelectedTab();
  const int tabs = static_cast<int>(form[strip].Items().size());
  for (int tab = 1; tab <= tabs; ++tab) {
    Control& page = form.At(pages, tab - 1);
    page.SetVisible(tab == selected);
    page.SetEnabled(tab == selected);
    page.BringToFront();
  }
}

}  // namespace qb::ui
