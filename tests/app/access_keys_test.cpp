// Access keys of the shipped languages: no letter marks two captions that one window shows
// at a time (frames included), so Alt and a letter never picks the wrong one; the main
// commands and the frames of the pages and small windows have one.
#include <gtest/gtest.h>

#include <map>

#include "app/window_catalogue.h"
#include "platform/ini_text.h"
#include "platform/text.h"
#include "support/source_files.h"
#include "ui/access_keys.h"

namespace qb::app {
namespace {

std::map<std::string, std::string> Captions(const std::string& language) {
  const std::vector<uint8_t> bytes = testing::ReadSourceBytes("resources/data/languages/" + language + ".ini");
  const IniText ini = IniText::Parse(text::HasUtf16LeMark(bytes) ? text::Utf16ToUtf8(text::Utf16LeUnits(bytes, 2))
                                                                 : std::string(bytes.begin(), bytes.end()));
  std::map<std::string, std::string> captions;
  for (const auto& entry : ini.FindSection("Vorlix")->entries) captions[entry.key] = entry.value;
  return captions;
}

// The upper-cased letter after a single "&", or 0.
char16_t AccessKey(const std::string& caption) {
  const std::u16string units = text::Utf8ToUtf16(caption);
  for (size_t i = 0; i + 1 < units.size(); ++i) {
    if (units[i] == u'&' && units[i + 1] != u'&') return text::UpperUnit(units[i + 1]);
    if (units[i] == u'&') ++i;
  }
  return 0;
}

// Two controls are never shown together when they lie in two containers that take the same
// place: the pages of the navigation, the pages of a tab strip.
bool ShownTogether(const ui::Control& a, const ui::Control& b) {
  std::vector<const ui::Control*> paths[2];
  for (int i = 0; i < 2; ++i) {
    for (const ui::Control* step = i ? &b : &a; step; step = step->Container()) paths[i].insert(paths[i].begin(), step);
  }
  size_t common = 0;
  while (common < paths[0].size() && common < paths[1].size() && paths[0][common] == paths[1][common]) ++common;
  if (common + 1 >= paths[0].size() || common + 1 >= paths[1].size()) return true;
  const ui::TwipRect& x = paths[0][common]->Rect();
  const ui::TwipRect& y = paths[1][common]->Rect();
  return x.left >= y.left + y.width || y.left >= x.left + x.width || x.top >= y.top + y.height ||
         y.top >= x.top + x.height;
}

TEST(AccessKeys, NoLetterMarksTwoCaptionsShownTogetherAndTheMainCommandsHaveOne) {
  using ui::ControlKind;
  for (const char* language : {"English", "German", "French"}) {
    const auto captions = Captions(language);
    for (const char* key : {"1000", "1001", "1002", "1003", "1004", "1006", "1007", "1026", "7003", "1013",
                            "1016", "1018", "1019", "2000", "2001", "2002", "2003", "2004", "2005", "2006", "2008",
                            "2009", "2010", "2011", "8850", "8851", "8852"}) {
      EXPECT_NE(AccessKey(captions.at(key)), 0) << language << " " << key << "=" << captions.at(key);
    }
    for (const auto& window : ProgramWindows()) {
      const auto form = window.create();
      std::vector<std::pair<const ui::Control*, std::string>> keyed;
      for (const auto& control : form->Controls()) {
        // A button kept hidden (a second Apply that does the same) is never on the screen; a
        // page repeating its button's caption leaves the letter to the button.
        const ControlKind kind = control->Kind();
        if (!control->Visible() || !(kind == ControlKind::CommandButton || kind == ControlKind::CheckBox ||
                                     kind == ControlKind::OptionButton || kind == ControlKind::Label ||
                                     kind == ControlKind::SkinLabel || kind == ControlKind::Frame) ||
            (kind == ControlKind::Frame && ui::RepeatsButtonCaption(*control))) {
          continue;
        }
        const auto found = captions.find(control->Tag());
        const std::string caption = found == captions.end() ? control->Caption() : found->second;
        if (AccessKey(caption)) keyed.emplace_back(control.get(), caption);
      }
      for (size_t i = 0; i < keyed.size(); ++i) {
        for (size_t j = i + 1; j < keyed.size(); ++j) {
          EXPECT_FALSE(AccessKey(keyed[i].second) == AccessKey(keyed[j].second) &&
                       ShownTogether(*keyed[i].first, *keyed[j].first))
              << language << ", " << window.name << ": " << keyed[i].second << " and " << keyed[j].second;
        }
      }
    }
  }
}

TEST(AccessKeys, AFrameRepeatingAButtonDropsOnlyItsMarkKeepingAShownAmpersand) {
  EXPECT_EQ(ui::WithoutAccessKey("&CPU && Memory"), "CPU && Memory");
  EXPECT_EQ(ui::WithoutAccessKey("Defra&gment &&"), "Defragment &&");
}

}  // namespace
}  // namespace qb::app
