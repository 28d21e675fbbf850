#include "app/window_catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "support/source_files.h"

namespace qb::app {
namespace {

// Names of the windows the sources create ("std::make_unique<ui::Form>("name", ...").
std::set<std::string> FormsCreatedInSources() {
  const std::regex creation(R"re(make_unique<\s*(?:ui::)?Form\s*>\(\s*"([^"]+)")re");
  std::set<std::string> names;
  const std::filesystem::path src = std::filesystem::path(QB_SOURCE_DIR) / "src";
  for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".cpp") continue;
    const std::string text =
        testing::ReadSourceFile(std::filesystem::relative(entry.path(), QB_SOURCE_DIR).string());
    for (std::sregex_iterator it(text.begin(), text.end(), creation), end; it != end; ++it) {
      names.insert((*it)[1].str());
    }
  }
  return names;
}

// A window missing here escapes every check that walks all windows (captions that fit).
TEST(WindowCatalogueTest, EveryWindowTheSourcesCreateIsListed) {
  std::set<std::string> listed;
  for (const auto& window : ProgramWindows()) listed.insert(window.name);
  const auto created = FormsCreatedInSources();
  EXPECT_GE(created.size(), 3u);
  for (const auto& name : created) {
    EXPECT_TRUE(listed.count(name)) << "the window \"" << name << "\" is not in ProgramWindows()";
  }
}

TEST(WindowCatalogueTest, EachEntryMakesItsWindowWithTheControlsItNames) {
  const std::string english = testing::ReadSourceFile("resources/data/languages/English.ini");
  const auto has_key = [&](std::string_view key) {
    return english.find("\n" + std::string(key) + "=") != std::string::npos;
  };
  for (const auto& window : ProgramWindows()) {
    const auto form = window.create();
    ASSERT_TRUE(form) << window.name;
    EXPECT_EQ(form->Name(), window.name);
    EXPECT_FALSE(form->Controls().empty()) << window.name;
    EXPECT_FALSE(window.element.empty()) << window.name;
    if (!window.title_key.empty()) EXPECT_TRUE(has_key(window.title_key)) << window.name;
    for (const auto& coded : window.coded_captions) {
      EXPECT_TRUE(form->Find(coded.control)) << window.name << " has no " << coded.control;
      EXPECT_TRUE(has_key(coded.key)) << coded.key;
    }
  }
}

}  // namespace
}  // namespace qb::app
