// The History window's items and actions as a person reads them.
#include "journal/action_text.h"

#include <gtest/gtest.h>

#include "journal/journaling_registry.h"
#include "journal/journaling_system.h"
#include "language/stored_phrase.h"
#include "platform/file_system.h"

namespace qb::journal {
namespace {

TEST(ActionText, EachKindOfItemReadsBeforeAndAfterInAFewWords) {
  const language::Wording say = language::InEnglish;
  const auto value = [](RegValue v) { return ItemState::Of(v.type, v.data); };
  const std::string long_text(70, 'x');
  const struct {
    ItemKind kind;
    ItemState before, after;
    Outcome outcome;
    std::array<std::string, 2> shown;
  } cases[] = {
      {ItemKind::RegistryValue, ItemState::Absent(), value(RegValue::Dword("", 4000000000u)), Outcome::Done, {"absent", "4000000000"}},
      {ItemKind::RegistryValue, value(RegValue::String("", "C:\\a b.exe")), value(RegValue::String("", long_text)), Outcome::Done,
       {"\"C:\\a b.exe\"", "\"" + long_text.substr(0, 60) + "...\""}},
      {ItemKind::RegistryValue, value(RegValue::MultiString("", {"a", "b"})), value(RegValue::Qword("", 1ull << 40)), Outcome::Done,
       {"\"a; b\"", "1099511627776"}},
      // A number of the wrong size is shown as the bytes it is.
      {ItemKind::RegistryValue, value(RegValue::Binary("", {1, 2, 3})), ItemState::Of(regtype::kDword, {1, 2}), Outcome::Done,
       {"3 bytes", "2 bytes"}},
      {ItemKind::File, ItemState::Of(fileattr::kHidden | fileattr::kSystem, std::vector<uint8_t>(12)),
       ItemState::Of(fileattr::kNormal, {}), Outcome::Done, {"12 bytes, attributes HS", "0 bytes"}},
      // A file deleted by the cleaner is held by its backup copy.
      {ItemKind::File, ItemState::InCopy(fileattr::kArchive, {"C:\\B\\a.lnk", 700, 1}), ItemState::Absent(),
       Outcome::Done, {"700 bytes, attributes A", "absent"}},
      {ItemKind::SystemColour, NumberState(0, 0x00336699u), NumberState(0, 0xFFu), Outcome::Done, {"#996633", "#FF0000"}},
      {ItemKind::DisplayMode, ModeState(DisplayMode{1024, 768, 32, 60}), ItemState::Of(0, {1}), Outcome::Done,
       {"1024 x 768, 32 bits, 60 Hz", "1 bytes"}},
      {ItemKind::Wallpaper, ItemState::Of(0, {}), ItemState::Of(0, {'C', ':', '\\', 'p'}), Outcome::Done, {"empty", "\"C:\\p\""}},
      // Windows refused it: it stays as it was, whatever the change meant to make it.
      {ItemKind::RegistryValue, value(RegValue::Dword("", 1)), value(RegValue::Dword("", 1)), Outcome::Refused,
       {"1", "refused by Windows, unchanged"}},
  };
  for (const auto& c : cases) {
    const Record record{.kind = c.kind, .outcome = c.outcome, .before = c.before, .after = c.after};
    const auto cells = ItemCells(record, say);
    EXPECT_EQ(cells[1], c.shown[0]);
    EXPECT_EQ(cells[2], c.shown[1]);
  }
  EXPECT_EQ(ItemCells({.kind = ItemKind::RegistryValue,
                       .target = RegistryTarget({RegRoot::CurrentUser, "Software\\Q", RegView::Native}, "v")},
                      say)[0],
            "HKEY_CURRENT_USER\\Software\\Q [v]");
}

TEST(ActionText, StoredPhrasesAreSaidInTheReadersWordingAndOldSummariesLoseTheirRepeatedPage) {
  const language::Wording shouted = [](const language::Phrase& p, std::initializer_list<std::string_view> v) {
    return "<" + std::string(p.key) + ":" + std::string(v.size() ? *v.begin() : "") + ">";
  };
  const ActionText text =
      ShowAction(language::StorePhrase(language::phrase::kTabStartMenu),
                 language::StorePhrase(language::phrase::kCountValues, {"3"}) +
                     language::StorePhrase(language::phrase::kCountRefused, {"1\x1e"}),
                 shouted);
  EXPECT_EQ(text.category, "<8003:>");
  EXPECT_EQ(text.summary, "<8602:3>, <8608:1 >");
  const ActionText old = ShowAction("Start Menu", "Start Menu: 2 values", language::InEnglish);
  EXPECT_EQ(old.category + "|" + old.summary, "Start Menu|2 values");
  // A frame's caption keeps its access-key mark in the language file; a list shows none.
  const ActionText frame = ShowAction(language::StorePhrase({"2011", "&Orphan && Broken Shortcuts"}), "",
                                      language::InEnglish);
  EXPECT_EQ(frame.category, "Orphan & Broken Shortcuts");
  // The view of a registry item is said in the reader's words too.
  const Record item{.kind = ItemKind::RegistryKey,
                    .target = RegistryTarget({RegRoot::LocalMachine, "SOFTWARE\\Q", RegView::Force32}, "")};
  EXPECT_EQ(ItemCells(item, shouted)[0], "HKEY_LOCAL_MACHINE\\SOFTWARE\\Q (<8423:>)");
}

}  // namespace
}  // namespace qb::journal
