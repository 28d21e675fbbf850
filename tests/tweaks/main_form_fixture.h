#pragma once
// The whole main window's form on an in-memory machine, for the pages that live on it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_form_layout.h"
#include "tweaks/registry_page_fixture.h"
#include "ui/form.h"

namespace qb::tweaks::testing {

class MainFormPageTest : public RegistryPageTest {
 protected:
  std::unique_ptr<ui::Form> main_form = app::CreateMainForm();
  ui::Form& form = *main_form;
};

}  // namespace qb::tweaks::testing
