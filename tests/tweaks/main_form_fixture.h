#pragma once
// The whole main window's form on an in-memory machine, for the pages that live on it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_form_layout.h"
#include "platform/memory/memory_machine.h"
#include "registry/registry_paths.h"
#include "tweaks/page_hooks.h"
#include "ui/form.h"

namespace qb::tweaks::testing {

class MainFormPageTest : public ::testing::Test {
 protected:
  void Store(std::string_view full_path, uint32_t number) {
    ASSERT_EQ(registry::RegWrite(machine.registry, full_path, number, "REG_DWORD"), status::kOk);
  }
  void StoreText(std::string_view full_path, std::string_view text) {
    ASSERT_EQ(registry::RegWrite(machine.registry, full_path, text), status::kOk);
  }
  RegValue Read(std::string_view full_path) {
    RegValue value;
    registry::RegRead(machine.registry, full_path, value);
    return value;
  }
  const std::vector<MemoryDialogs::Shown>& Messages() const { return machine.dialogs.Messages(); }

  MemoryMachine machine;
  Services services = machine.services();
  std::unique_ptr<ui::Form> main_form = app::CreateMainForm();
  ui::Form& form = *main_form;
  PageHooks hooks;
};

}  // namespace qb::tweaks::testing
