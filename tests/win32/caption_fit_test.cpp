// Every caption of every window fits its control, in every shipped language, at 96 and 144
// DPI: each window is shown by the real view with the shipped skin, and each caption is
// measured with the font the control really has, in the room the painter gives it.
// A generated pseudo-language (every text of English.ini 40% longer, accented, in brackets)
// is chosen like any other: a caption it does not reach has no language key, and a caption
// it makes too long shows a layout with no room for longer translations; both fail the test.
// The same language says every message the program composes, its values in their places.
// And every window fits the screen: inside the work area at every DPI on common screens
// (pinned through the view's override) and on the real monitor, never below its 96 DPI size.
#include <windows.h>

#include <optional>
#include <sstream>

#include "app/main_form_language.h"
#include "app/main_form_names.h"
#include "app/window_catalogue.h"
#include "dress/form_language.h"
#include "dress/skin_form.h"
#include "language/language_catalogue.h"
#include "language/language_list.h"
#include "language/wording.h"
#include "platform/ini_text.h"
#include "platform/text.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile.h"
#include "ui/win32/skin_painter.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32 {
namespace {

constexpr std::string_view kPseudo = "Pseudo";
constexpr std::string_view kProductName = "Quill Box";

struct Clip {
  std::string where;    // window and control
  std::string caption;
  SIZE needed;
  SIZE room;
};

std::string Describe(const std::vector<Clip>& clips) {
  std::ostringstream text;
  for (const auto& clip : clips) {
    text << "  " << clip.where << " \"" << clip.caption << "\" needs " << clip.needed.cx << "x"
         << clip.needed.cy << ", has " << clip.room.cx << "x" << clip.room.cy << "\n";
  }
  return text.str();
}

// ASCII letters with accents of the same width class, so that the pseudo-language looks
// like a real translation to the layout.
std::string Accented(char c) {
  static const std::pair<char, const char*> kAccents[] = {
      {'a', "\u00e1"}, {'e', "\u00e9"}, {'i', "\u00ed"}, {'o', "\u00f3"}, {'u', "\u00fc"},
      {'c', "\u00e7"}, {'n', "\u00f1"}, {'y', "\u00fd"}, {'s', "\u0161"}, {'z', "\u017e"},
      {'A', "\u00c5"}, {'E', "\u00c9"}, {'I', "\u00cd"}, {'O', "\u00d6"}, {'U', "\u00dc"},
      {'C', "\u00c7"}, {'N', "\u00d1"}, {'S', "\u0160"}, {'Z', "\u017d"}};
  for (const auto& [plain, accented] : kAccents) {
    if (c == plain) return accented;
  }
  return std::string(1, c);
}

// "Apply" -> "[Åpplý]": 40% longer counting the brackets, accented.
std::string Pseudo(std::string_view caption) {
  if (caption.empty()) return {};
  std::string body;
  size_t letters = 0;
  bool escaped = false;  // the letter after "\\" or "%" is part of a line break or placeholder
  for (char c : caption) {
    if ((c & 0xC0) != 0x80) ++letters;  // code points, not bytes
    body += (c & 0x80) || escaped ? std::string(1, c) : Accented(c);
    escaped = c == '\\' || c == '%';
  }
  // No longer than a language file can hold: the closing bracket must survive the read.
  const size_t extra = std::min((letters * 4 + 9) / 10, language::kLookupBufferChars - 1 - letters);
  for (size_t i = 2; i < extra; ++i) body += (i % 2) ? "\u00f6" : "\u00eb";
  return "[" + body + "]";
}

// Text a translation leaves as it is: no letters at all (numbers, "...") or the product name.
bool NeedsNoTranslation(std::string_view text) {
  return text == kProductName || std::none_of(text.begin(), text.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
         });
}

bool IsPseudo(std::string_view text) {
  return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

class CaptionFitTest : public testing::ViewTest {
 protected:
  void SetUp() override {
    folder_ = environment_.ApplicationFolder();
    ASSERT_TRUE(skin_.LoadFile(files_, folder_ + std::string(skin::kSkinFileName))) << skin_.Error();
    host_.SetSkin(skin_.Get());
  }
  void TearDown() override {
    host_.Dpi().SetOverride(0);
    host_.Dpi().SetWorkAreaOverride(std::nullopt);
    files_.DeleteFile(language::LanguageFilePath(folder_, kPseudo));
  }

  // "<folder>\languages\Pseudo.ini": every key of English.ini, each text stretched, saved
  // the way the shipped translations are (UTF-16LE with its mark).
  void WritePseudoLanguage() {
    std::vector<uint8_t> bytes;
    ASSERT_EQ(files_.ReadFile(language::LanguageFilePath(folder_, "English"), bytes), status::kOk);
    const IniText english = IniText::Parse(std::string(bytes.begin(), bytes.end()));
    std::string text = "[" + std::string(language::kSection) + "]\r\n";
    for (const auto& entry : english.FindSection(language::kSection)->entries) {
      text += entry.key + "=" + Pseudo(entry.value) + "\r\n";
    }
    ASSERT_EQ(files_.WriteFile(language::LanguageFilePath(folder_, kPseudo),
                               text::Utf16LeFile(text::Utf8ToUtf16(text))),
              status::kOk);
  }

  // Captions as the program sets them in that language, by the program's own passes.
  void Translate(Form& form, const app::WindowDesign& design, std::string_view language) {
    if (design.name == "mainform") {
      app::ApplyChosenLanguage(form, profile_, folder_, language);
    } else if (design.controls_translated) {
      dress::ApplyLanguage(form, profile_, folder_, language);
    }
    if (!design.title_key.empty()) {
      form.SetCaption(language::LookUp(profile_, folder_, design.title_key, language, form.Caption()));
    }
  }

  // Captions and titles the language did not reach.
  static void FindUntranslated(const Form& form, std::vector<std::string>& found) {
    if (!NeedsNoTranslation(form.Caption()) && !IsPseudo(form.Caption())) {
      found.push_back(form.Name() + " title \"" + form.Caption() + "\"");
    }
    for (const auto& control : form.Controls()) {
      std::vector<std::string> texts{control->Caption()};
      if (control->Kind() == ControlKind::TabStrip) texts = control->Items();
      for (const auto& column : control->Columns()) texts.push_back(column.caption);
      for (const auto& text : texts) {
        if (NeedsNoTranslation(text) || IsPseudo(text)) continue;
        found.push_back(form.Name() + "." + control->Name() + " \"" + text + "\"");
      }
    }
  }

  static std::optional<CaptionKind> KindOfCaption(ControlKind kind) {
    switch (kind) {
      case ControlKind::CommandButton: return CaptionKind::CommandButton;
      case ControlKind::CheckBox:
      case ControlKind::OptionButton: return CaptionKind::Indicator;
      case ControlKind::Frame: return CaptionKind::Frame;
      case ControlKind::Label:
      case ControlKind::SkinLabel: return CaptionKind::Label;
      default: return std::nullopt;
    }
  }

  // Measures every caption of the form's controls as shown now.
  void MeasureShown(const Form& form, int dpi, std::vector<Clip>& clips) {
    static const skin::ElementStyle kPlain{};
    for (const auto& control : form.Controls()) {
      const auto kind = KindOfCaption(control->Kind());
      HWND window = Hwnd(*control);
      if (!kind || control->Caption().empty() || !window) continue;
      const auto found = skin_.Get()->elements.find(control->SkinElement());
      const skin::ElementStyle& style = found == skin_.Get()->elements.end() ? kPlain : found->second;
      const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
      EXPECT_NE(font, nullptr) << form.Name() << "." << control->Name() << " names no font";
      RECT client{};
      GetClientRect(window, &client);
      qb::win32::ScopedWindowDc dc(window);
      qb::win32::ScopedSelect selected(dc.Get(), font);
      const CaptionPlace place = SkinPainter(dc.Get(), style, Dpi(dpi), font).PlaceFor(*kind, client);
      const SIZE room{place.area.right - place.area.left, place.area.bottom - place.area.top};
      const std::wstring text = qb::win32::Wide(control->Caption());
      RECT needed{0, 0, std::max<LONG>(room.cx, 1), 0};
      DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &needed,
                (place.format | DT_CALCRECT) & ~(DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS));
      const SIZE need{needed.right - needed.left, needed.bottom - needed.top};
      ++measured_;
      if (need.cx > room.cx || need.cy > room.cy) {
        clips.push_back({form.Name() + "." + control->Name(), control->Caption(), need, room});
      }
    }
  }

  // A page or tab gets its controls' windows when first shown: every one is shown, so that
  // every caption has a window to be measured in.
  static void ShowEveryContainer(Form& form) {
    for (const auto& control : form.Controls()) {
      if (!form.Children(control.get()).empty()) control->SetVisible(true);
    }
  }

  std::vector<Clip> Clips(std::string_view language, int dpi, std::vector<std::string>* untranslated = nullptr) {
    std::vector<Clip> clips;
    host_.Dpi().SetOverride(dpi);
    for (const auto& design : app::ProgramWindows()) {
      forms_.push_back(design.create());
      Form& form = *forms_.back();
      Translate(form, design, language);
      if (untranslated) FindUntranslated(form, *untranslated);
      dress::SkinWindow(form, skin_, design.element);
      dress::SkinForm(form, skin_);
      app_.Show(form);
      EXPECT_NE(Hwnd(form), nullptr) << design.name;
      ShowEveryContainer(form);
      host_.DoEvents();
      MeasureShown(form, dpi, clips);
      app_.Unload(form);
    }
    return clips;
  }

  std::vector<std::string> ShippedLanguages() { return language::AvailableLanguages(files_, folder_); }

  qb::win32::Win32Environment environment_;
  qb::win32::Win32FileSystem files_;
  qb::win32::Win32ProfileStore profile_;
  skin::SkinInstance skin_;
  std::string folder_;
  size_t measured_ = 0;
};

TEST_F(CaptionFitTest, EveryCaptionFitsInEveryShippedLanguageAt96And144Dpi) {
  const auto languages = ShippedLanguages();
  ASSERT_GE(languages.size(), 3u);
  for (const auto& language : languages) {
    for (int dpi : {96, 144}) {
      const auto clips = Clips(language, dpi);
      EXPECT_TRUE(clips.empty()) << language << " at " << dpi << " DPI, clipped:\n" << Describe(clips);
    }
  }
  EXPECT_GT(measured_, 6 * 100u);  // every window's captions were seen
}

TEST_F(CaptionFitTest, ThePseudoLanguageReachesEveryCaption) {
  EXPECT_EQ(Pseudo("Apply"), "[\u00c5ppl\u00fd]");
  EXPECT_EQ(Pseudo("Check && Repair"), "[\u00c7h\u00e9\u00e7k && R\u00e9p\u00e1\u00edr\u00eb\u00f6\u00eb\u00f6]");
  EXPECT_EQ(Pseudo("%1 of %2\\n"), "[%1 \u00f3f %2\\n\u00eb\u00f6]");
  WritePseudoLanguage();
  for (int dpi : {96, 144}) {
    std::vector<std::string> untranslated;
    const auto clips = Clips(kPseudo, dpi, &untranslated);
    EXPECT_TRUE(clips.empty()) << "pseudo-language at " << dpi << " DPI, clipped:\n" << Describe(clips);
    EXPECT_TRUE(untranslated.empty()) << "not from the language file:\n  "
                                      << ::testing::PrintToString(untranslated);
  }
  EXPECT_GT(measured_, 2 * 100u);
}

// Messages are composed at run time, so no window shows them to the caption pass: each one
// is said through the real profile reader, as a message box would get it.
TEST_F(CaptionFitTest, ThePseudoLanguageSaysEveryComposedMessageWithItsValues) {
  WritePseudoLanguage();
  const std::vector<std::string> values{"<v1>", "<v2>", "<v3>"};
  for (const auto& phrase : language::kPhrases) {
    const std::string said =
        language::Say(profile_, folder_, kPseudo, phrase, {values[0], values[1], values[2]});
    const std::string where = std::string(phrase.key) + " \"" + said + "\"";
    EXPECT_TRUE(IsPseudo(said) || NeedsNoTranslation(phrase.english)) << where;
    for (size_t i = 0; i < values.size(); ++i) {
      const bool placed = phrase.english.find("%" + std::to_string(i + 1)) != std::string_view::npos;
      EXPECT_EQ(said.find(values[i]) != std::string::npos, placed) << where;
    }
    EXPECT_EQ(said.find("\\n"), std::string::npos) << where << ": a line break left as written";
  }
}

TEST_F(CaptionFitTest, EveryWindowAndControlLiesInTheWorkAreaAtEveryDpiAndScreen) {
  const auto expect_fits = [&](const Form& form, const PixelRect& area, const std::string& where) {
    RECT window{}, rect{};
    GetWindowRect(Hwnd(form), &window);
    const auto inside = [&](const RECT& r) {
      return r.left >= std::max<LONG>(area.left, window.left) && r.top >= std::max<LONG>(area.top, window.top) &&
             r.right <= std::min<LONG>(area.Right(), window.right) &&
             r.bottom <= std::min<LONG>(area.Bottom(), window.bottom);
    };
    EXPECT_TRUE(inside(window)) << where << ": window " << window.left << "," << window.top << " " << window.bottom;
    EXPECT_GE(window.right - window.left, TwipsToPixels(form.Width(), std::min(host_.Dpi().ForWindow(nullptr).Value(), 96))) << where;
    for (const auto& control : form.Controls()) {
      if (!IsWindowVisible(Hwnd(*control)) || !GetWindowRect(Hwnd(*control), &rect)) continue;
      EXPECT_TRUE(inside(rect)) << where << ": " << control->Name() << " " << rect.right << "," << rect.bottom;
    }
  };
  // A task bar along the top, so that no area starts at the screen's corner; last, the real one.
  for (const auto& screen : {std::optional<PixelRect>{{0, 40, 1024, 728}}, std::optional<PixelRect>{{0, 40, 1280, 984}},
                             std::optional<PixelRect>{{0, 40, 1920, 1040}}, std::optional<PixelRect>{}}) {
    host_.Dpi().SetWorkAreaOverride(screen);
    for (const auto& design : app::ProgramWindows()) {
      host_.Dpi().SetOverride(144);  // opened at 144 DPI, then the display changes to each DPI
      Form& form = *forms_.emplace_back(design.create());
      dress::SkinWindow(form, skin_, design.element);
      dress::SkinForm(form, skin_);
      app_.Show(form);
      for (const auto& control : form.Controls()) {
        if (!form.Children(control.get()).empty()) control->SetVisible(control->Name() != "SMframe");
      }
      const PixelRect area = host_.Dpi().WorkAreaOf(Hwnd(form));
      for (int dpi : {144, 96, 120, 192}) {
        const std::string where = design.name + " at " + std::to_string(dpi) + " DPI in " +
                                  std::to_string(area.width) + "x" + std::to_string(area.height);
        host_.Dpi().SetOverride(dpi);
        SendMessageW(Hwnd(form), WM_DISPLAYCHANGE, 32, MAKELPARAM(area.width, area.height));
        expect_fits(form, area, where);
        if (design.name != "mainform") continue;
        RECT before{}, after{};
        GetWindowRect(Hwnd(form), &before);
        form.SetHeight(app::kMainHeightExpanded);
        form["SMframe"].SetVisible(true);
        expect_fits(form, area, where + ", grown for the monitor page");
        form["SMframe"].SetVisible(false);
        form.SetHeight(app::kMainHeight);
        GetWindowRect(Hwnd(form), &after);
        EXPECT_EQ(after.bottom - after.top, before.bottom - before.top) << where << ", the monitor page gone";
      }
      app_.Unload(form);
    }
  }
}

// The measure itself: captions with too little room are found, captions with room are not.
TEST_F(CaptionFitTest, ACaptionWithoutRoomIsFound) {
  Form& form = NewForm("fitfrm", 6000, 3000);
  form.Add({.name = "narrowcmd", .kind = ControlKind::CommandButton,
            .caption = "\u00dcbernehmen und schlie\u00dfen", .rect = {120, 120, 600, 360}});
  form.Add({.name = "widecmd", .kind = ControlKind::CommandButton, .caption = "OK",
            .rect = {120, 600, 1200, 360}});
  form.Add({.name = "narrowchk", .kind = ControlKind::CheckBox,
            .caption = "Zugriff auf die Anzeigeeinstellungen verweigern", .rect = {120, 1080, 1800, 255}});
  form.Add({.name = "Frame1", .kind = ControlKind::Frame,
            .caption = "Entr\u00e9es de d\u00e9sinstallation dans le Registre", .rect = {2400, 120, 1500, 1200}});
  form.Add({.name = "Label1", .kind = ControlKind::SkinLabel, .caption = "Short", .rect = {2400, 1500, 1500, 255}});
  dress::SkinForm(form, skin_);
  for (int dpi : {96, 144}) {
    host_.Dpi().SetOverride(dpi);
    app_.Show(form);
    host_.DoEvents();
    std::vector<Clip> clips;
    MeasureShown(form, dpi, clips);
    app_.Unload(form);
    std::vector<std::string> where;
    for (const auto& clip : clips) where.push_back(clip.where);
    EXPECT_EQ(where, (std::vector<std::string>{"fitfrm.narrowcmd", "fitfrm.narrowchk", "fitfrm.Frame1"}))
        << dpi << " DPI:\n" << Describe(clips);
  }
}

}  // namespace
}  // namespace qb::ui::win32
