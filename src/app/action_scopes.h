#pragma once
// Every handler of a window runs inside an action of the journal of changes, named for the
// page or window it belongs to, so that the changes of one Apply, one immediate write or
// one run of a small window are undone together. Pages never see the journal.
#include <string>

#include "journal/journal.h"
#include "platform/services.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::app {

// Wraps the click, change and key handlers of the window's controls, and its closing
// question, in action scopes. When the journal cannot be written, the handler that met it
// says so once, over its window.
void ScopeHandlers(ui::Application& app, ui::Form& form, journal::Journal& journal,
                   const Services& services);

// The one plain sentence for a journal that could not be written, with the system's reason.
std::string JournalFailureText(const Services& services, Status failure);

// The page or window a control belongs to, as the history names it: a page by its phrase
// (language::StorePhrase), a window by its caption.
std::string CategoryOf(const ui::Form& form, const ui::Control* control);

// "3 values, 1 files" as stored phrases, put into words when the history is shown.
std::string ActionSummary(const journal::Journal::Counts& counts);

}  // namespace qb::app
