// Stored preferences live in the registry where earlier installs left them.
#include <gtest/gtest.h>

#include "platform/app_settings.h"
#include "platform/memory/memory_registry.h"

namespace qb {
namespace {

TEST(AppSettings, SavesUnderTheSettingsKeyOfTheApplicationAndSection) {
  MemoryRegistry registry;
  AppSettings settings(registry);
  ASSERT_EQ(settings.Save("Vorlix", "Language", "lng", "Русский"), status::kOk);

  EXPECT_EQ(settings.Get("vorlix", "LANGUAGE", "LNG"), "Русский");
  RegValue stored;
  ASSERT_EQ(registry.QueryValue(
                {RegRoot::CurrentUser, "Software\\VB and VBA Program Settings\\Vorlix\\Language"},
                "lng", stored),
            status::kOk);
  EXPECT_EQ(stored, RegValue::String("lng", "Русский"));
}

TEST(AppSettings, MissingOrNonTextValuesGiveTheFallback) {
  MemoryRegistry registry;
  AppSettings settings(registry);
  EXPECT_EQ(settings.Get("App", "Section", "Key", "fallback"), "fallback");
  settings.Save("App", "Section", "Other", "x");
  EXPECT_EQ(settings.Get("App", "Section", "Key", "fallback"), "fallback");
  registry.SetValue({RegRoot::CurrentUser, "Software\\VB and VBA Program Settings\\App\\Section"},
                    RegValue::Dword("Key", 5));
  EXPECT_EQ(settings.Get("App", "Section", "Key", "fallback"), "fallback");
}

TEST(AppSettings, ReportsARefusedWrite) {
  MemoryRegistry registry;
  registry.DenyWrites({RegRoot::CurrentUser, "Software"});
  AppSettings settings(registry);
  EXPECT_EQ(settings.Save("App", "Section", "Key", "v"), status::kAccessDenied);
}

}  // namespace
}  // namespace qb
