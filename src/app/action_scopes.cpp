#include "app/action_scopes.h"

#include <string_view>

#include "language/stored_phrase.h"
#include "language/wording.h"

namespace qb::app {

namespace {

using language::Phrase;

// The main window's pages by the frame that holds them (and its index in a frame array).
struct PageFrame {
  std::string_view frame;
  int index;
  Phrase name;
};
constexpr PageFrame kPageFrames[] = {
    {"OptionsFrame", 0, {"7016", "Explorer Options"}},
    {"OptionsFrame", 1, {"4002", "Privacy"}},
    {"VoptionsFrame", 0, language::phrase::kTabVisualOptions},
    {"VoptionsFrame", 1, language::phrase::kTabStartMenu},
    {"VoptionsFrame", 2, language::phrase::kTabDesktop},
    {"Inputframe", -1, {"7008", "Input"}},
    {"drivesframe", -1, {"7001", "Drives"}},
    {"EXPFrame", -1, {"7003", "Explorer"}},
    {"langFrame", -1, language::phrase::kLanguageCategory},
};

template <typename Handler>
void Wrap(Handler& handler, ui::Application& app, journal::Journal& journal,
          const Services& services, const ui::Form& form, const ui::Control* control) {
  if (!handler) return;
  handler = [&app, &journal, services, &form, control,
             inner = std::move(handler)](auto&&... args) {
    {
      const journal::ActionScope scope(
          &journal, [&form, control] { return CategoryOf(form, control); }, &form, services.clock,
          [](const std::string&, const journal::Journal::Counts& counts) { return ActionSummary(counts); });
      inner(args...);
    }
    // Said once the action is closed, so that its summary record has been tried too.
    if (journal.TakeFailureNotice()) {
      services.dialogs.ShowMessage(app.HandleOf(form),
                                   JournalFailureText(services, journal.Failure()),
                                   form.Caption(), mb::kOk | mb::kIconExclamation);
    }
  };
}

}  // namespace

std::string CategoryOf(const ui::Form& form, const ui::Control* control) {
  for (const ui::Control* c = control; c; c = c->Container()) {
    for (const PageFrame& page : kPageFrames) {
      // Kept by its key, so that the history names the page in the language of the moment.
      if (c->Name() == page.frame && c->Index() == page.index) return language::StorePhrase(page.name);
    }
  }
  if (!form.TitleKey().empty()) {
    return language::StorePhrase(Phrase{form.TitleKey(), form.TitleEnglish()});
  }
  return form.Caption();
}

std::string ActionSummary(const journal::Journal::Counts& counts) {
  using journal::ItemKind;
  const struct {
    uint32_t count;
    const Phrase& phrase;
  } parts[] = {
      {counts.Of(ItemKind::RegistryValue), language::phrase::kCountValues},
      {counts.Of(ItemKind::RegistryKey), language::phrase::kCountKeys},
      {counts.Of(ItemKind::File), language::phrase::kCountFiles},
      {counts.Of(ItemKind::SystemParameter) + counts.Of(ItemKind::SystemColour) +
           counts.Of(ItemKind::DisplayMode) + counts.Of(ItemKind::Wallpaper),
       language::phrase::kCountSettings},
      {counts.Of(ItemKind::Font), language::phrase::kCountFonts},
      {counts.Of(ItemKind::ProcessEnd), language::phrase::kCountProcesses},
      {counts.refused, language::phrase::kCountRefused},
  };
  std::string list;
  for (const auto& part : parts) {
    if (part.count != 0) list += language::StorePhrase(part.phrase, {std::to_string(part.count)});
  }
  return list;
}

std::string JournalFailureText(const Services& services, Status failure) {
  return language::CouldNot(services, language::phrase::kJournalNotWritten, failure) + "\n" +
         language::Say(services, language::phrase::kJournalNotWrittenMeans);
}

void ScopeHandlers(ui::Application& app, ui::Form& form, journal::Journal& journal,
                   const Services& services) {
  for (const auto& owned : form.Controls()) {
    ui::Control* control = owned.get();
    Wrap(control->on_click, app, journal, services, form, control);
    Wrap(control->on_dbl_click, app, journal, services, form, control);
    Wrap(control->on_change, app, journal, services, form, control);
    Wrap(control->on_key_press, app, journal, services, form, control);
    Wrap(control->on_key_down, app, journal, services, form, control);
  }
  Wrap(form.on_query_unload, app, journal, services, form, nullptr);
  Wrap(form.on_title_button, app, journal, services, form, nullptr);
}

}  // namespace qb::app
