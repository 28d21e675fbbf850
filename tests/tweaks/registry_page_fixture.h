#pragma once
// An in-memory machine with the registry helpers every tweak page's tests use.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "platform/memory/memory_machine.h"
#include "registry/registry_paths.h"
#include "tweaks/page_hooks.h"

namespace qb::tweaks::testing {

class RegistryPageTest : public ::testing::Test {
 protected:
  void Store(std::string_view full_path, uint32_t number) {
    ASSERT_EQ(registry::RegWrite(machine.registry, full_path, number, "REG_DWORD"), status::kOk);
  }
  void StoreText(std::string_view full_path, std::string_view text) {
    ASSERT_EQ(registry::RegWrite(machine.registry, full_path, text), status::kOk);
  }
  // A value of any type, named as the path names it.
  void StoreRaw(std::string_view full_path, RegValue value) {
    const auto where = registry::ParseValuePath(full_path);
    ASSERT_TRUE(where && machine.registry.CreateKey(where->key) == status::kOk);
    value.name = where->value_name;
    ASSERT_EQ(machine.registry.SetValue(where->key, value), status::kOk);
  }
  RegValue Read(std::string_view full_path) {
    RegValue value;
    registry::RegRead(machine.registry, full_path, value);
    return value;
  }
  const std::vector<MemoryDialogs::Shown>& Messages() const { return machine.dialogs.Messages(); }

  MemoryMachine machine;
  Services services = machine.services();
  PageHooks hooks;
};

}  // namespace qb::tweaks::testing
