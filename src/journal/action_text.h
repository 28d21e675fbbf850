#pragma once
// The journal's actions and items as a person reads them, in the wording given: the History
// window speaks the user's language, the companion English.
#include <array>
#include <string>

#include "journal/journal_record.h"
#include "language/wording.h"

namespace qb::journal {

// An action's page or window and its summary, their stored phrases put into words. Journals
// written before began the summary with the page again; that head is left out.
struct ActionText {
  std::string category;
  std::string summary;
};
ActionText ShowAction(const std::string& category, const std::string& summary,
                      const language::Wording& say);

// The item a record changed: a registry value or key, a file, a system setting or colour.
std::string ReadableItem(const Record& record, const language::Wording& say);

// One state of the record's item in a few words: "absent", a number, a text in quotes cut
// to a readable length, "N bytes" for binary data and file contents (with the file's
// attributes as letters), a display mode, a colour as #RRGGBB.
std::string ReadableState(const Record& record, const ItemState& state,
                          const language::Wording& say);

// The item, its state before and its state after, as the History window lists them; a
// change Windows refused changed nothing, and its state after says so.
std::array<std::string, 3> ItemCells(const Record& record, const language::Wording& say);

}  // namespace qb::journal
