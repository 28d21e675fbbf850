// Access keys of the shipped languages: within what one window shows at a time no letter
// marks two captions, so Alt and a letter never picks the wrong one; the commands used most
// have one in every language.
#include <gtest/gtest.h>

#include <map>

#include "app/window_catalogue.h"
#include "platform/ini_text.h"
#include "platform/text.h"
#include "support/source_files.h"

namespace qb::app {
namespace {

std::map<std::string, std::string> Captions(const std::string& language) {
  const std::vector<uint8_t> bytes = testing::ReadSourceBytes("resources/data/languages/" + language + ".ini");
  const std::string text = text::HasUtf16LeMark(bytes) ? text::Utf16ToUtf8(text::Utf16LeUnits(bytes, 2))
                                                        : std::string(bytes.begin(), bytes.end());
  std::map<std::string, std::string> captions;
  const IniText ini = IniText::Parse(text);
  for (const auto& entry : ini.FindSection("Vorlix")->entries) captions[entry.key] = entry.value;
  return captions;
}

// The upper-cased letter after a single "&", or empty.
std::u16string AccessKey(const std::string& caption) {
  const std::u16string units = text::Utf8ToUtf16(caption);
  for (size_t i = 0; i + 1 < units.size(); ++i) {
    if (units[i] != u'&') continue;
    if (units[i + 1] != u'&') return std::u16string(1, text::UpperUnit(units[i + 1]));
    ++i;
  }
  return {};
}

bool Overlap(const ui::TwipRect& a, const ui::TwipRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

std::vector<const ui::Control*> PathOf(const ui::Control& control) {
  std::vector<const ui::Control*> path;
  for (const ui::Control* step = &control; step; step = step->Container()) path.insert(path.begin(), step);
  return path;
}

// Two controls are never shown together when they lie in two containers that take the same
// place: the pages of the navigation, the pages of a tab strip.
bool ShownTogether(const ui::Control& a, const ui::Control& b) {
  const auto path_a = PathOf(a);
  const auto path_b = PathOf(b);
  size_t common = 0;
  while (common < path_a.size() && common < path_b.size() && path_a[common] == path_b[common]) ++common;
  if (common + 1 >= path_a.size() || common + 1 >= path_b.size()) return true;
  return !Overlap(path_a[common]->Rect(), path_b[common]->Rect());
}

bool TakesAccessKey(ui::ControlKind kind) {
  return kind == ui::ControlKind::CommandButton || kind == ui::ControlKind::CheckBox ||
         kind == ui::ControlKind::OptionButton || kind == ui::ControlKind::Label ||
         kind == ui::ControlKind::SkinLabel;
}

TEST(AccessKeys, NoLetterMarksTwoCaptionsShownTogetherAndTheMainCommandsHaveOne) {
  for (const char* language : {"English", "German", "French"}) {
    const auto captions = Captions(language);
    for (const char* key : {"1000", "1001", "1002", "1003", "1004", "1006", "1007", "1026", "7003", "1013",
                            "1016", "1018", "1019"}) {
      EXPECT_FALSE(AccessKey(captions.at(key)).empty()) << language << " " << key << "=" << captions.at(key);
    }
    for (const auto& window : ProgramWindows()) {
      const auto form = window.create();
      std::vector<std::pair<const ui::Control*, std::string>> keyed;
      for (const auto& control : form->Controls()) {
        // A button kept hidden (a second Apply that does the same) is never on the screen.
        if (!TakesAccessKey(control->Kind()) || !control->Visible()) continue;
        const auto found = captions.find(control->Tag());
        const std::string caption = found == captions.end() ? control->Caption() : found->second;
        if (!AccessKey(caption).empty()) keyed.emplace_back(control.get(), caption);
      }
      for (size_t i = 0; i < keyed.size(); ++i) {
        for (size_t j = i + 1; j < keyed.size(); ++j) {
          if (AccessKey(keyed[i].second) != AccessKey(keyed[j].second)) continue;
          EXPECT_FALSE(ShownTogether(*keyed[i].first, *keyed[j].first))
              << language << ", " << window.name << ": \"" << keyed[i].second << "\" (" << keyed[i].first->Name()
              << ") and \"" << keyed[j].second << "\" (" << keyed[j].first->Name() << ")";
        }
      }
    }
  }
}

}  // namespace
}  // namespace qb::app
