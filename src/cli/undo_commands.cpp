#include "cli/undo_commands.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "cleaner/backup.h"
#include "cleaner/reg_file.h"
#include "cleaner/repair_lock.h"
#include "cli/json_text.h"
#include "journal/action_text.h"
#include "journal/journal_place.h"
#include "journal/undo.h"
#include "language/stored_phrase.h"

namespace qb::cli {

namespace {

std::string TimeText(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return text;
}

// An action as the history shows it: its opening record (the last one written for the id,
// which carries the final summary), how many items it changed and its notes (the run's
// restore point).
struct Action {
  uint64_t id = 0;
  LocalTime time;
  std::string category;
  std::string summary;
  size_t items = 0;
  std::vector<std::string> notes;
};

std::vector<Action> Actions(const std::vector<journal::Record>& records) {
  std::vector<Action> actions;
  for (const journal::Record& record : records) {
    auto found = std::find_if(actions.begin(), actions.end(),
                              [&](const Action& a) { return a.id == record.action; });
    if (found == actions.end()) {
      actions.push_back({record.action, record.time, {}, {}, 0, {}});
      found = actions.end() - 1;
    }
    if (record.kind == journal::ItemKind::ActionStart) {
      // Stored phrases in the companion's English, whichever language the window spoke.
      const journal::ActionText text =
          journal::ShowAction(record.target, record.detail, language::InEnglish);
      found->category = text.category;
      found->summary = text.summary;
    } else if (record.kind == journal::ItemKind::Note) {
      const auto cells = journal::ItemCells(record, language::InEnglish);
      found->notes.push_back(cells[0] + ": " + cells[2]);
    } else {
      ++found->items;
    }
  }
  return actions;
}

bool Load(const Services& services, std::string& path, journal::Decoded& decoded,
          Output& output) {
  path = JournalPath(services);
  if (path.empty()) {
    output.err += "quillbox-cli: the journal of changes cannot be kept: no backup folder can be "
                  "created or written to.\n";
    return false;
  }
  decoded = journal::Journal(services.files, path).Load();
  if (decoded.damaged > 0) {
    output.err += "quillbox-cli: " + std::to_string(decoded.damaged) +
                  " damaged record(s) in " + path + " were skipped.\n";
  }
  return true;
}

}  // namespace

std::string JournalPath(const Services& services) { return journal::JournalPath(services); }

int RunHistory(const Arguments& arguments, const Services& services, Output& output) {
  if (arguments.words.size() != 1) return UsageError("history takes no operands", output);
  std::string path;
  journal::Decoded decoded;
  if (!Load(services, path, decoded, output)) return kFailed;
  std::vector<Action> actions = Actions(decoded.records);
  std::reverse(actions.begin(), actions.end());
  const bool json = arguments.Has("--json");
  if (json) output.out += "{\"journal\":" + JsonString(path) + ",\"actions\":[";
  bool first = true;
  for (const Action& a : actions) {
    if (json) {
      output.out += std::string(first ? "" : ",") + "{\"id\":" + std::to_string(a.id) +
                    ",\"time\":" + JsonString(TimeText(a.time)) + ",\"category\":" +
                    JsonString(a.category) + ",\"summary\":" + JsonString(a.summary) +
                    ",\"items\":" + std::to_string(a.items) + ",\"notes\":[";
      for (size_t i = 0; i < a.notes.size(); ++i) output.out += (i ? "," : "") + JsonString(a.notes[i]);
      output.out += "]}";
    } else {
      output.out += std::to_string(a.id) + "  " + TimeText(a.time) + "  " + a.category + ": " +
                    a.summary + "\n";
      for (const std::string& note : a.notes) output.out += "    " + note + "\n";
    }
    first = false;
  }
  if (json) output.out += "]}\n";
  if (!json && actions.empty()) output.out += "No changes have been journaled.\n";
  return kNothingFound;
}

int RunUndo(const Arguments& arguments, const Services& services, Output& output) {
  if (arguments.words.size() != 2) {
    return UsageError("expected undo and an action: its id, last or all", output);
  }
  const std::string& which = arguments.words[1];
  LocalTime since;
  if (arguments.Has("--since") && which != "all") {
    return UsageError("--since applies to undo all", output);
  }
  if (arguments.Has("--since") && !journal::ParseDay(arguments.Value("--since"), since)) {
    return UsageError("--since needs a date such as 2026-01-31", output);
  }
  uint64_t id = 0;
  // A number too large for an id is a mistake like any other, never an exception.
  const auto [end, parsed] = std::from_chars(which.data(), which.data() + which.size(), id);
  if (which != "last" && which != "all" &&
      (parsed != std::errc{} || end != which.data() + which.size() || id == 0)) {
    return UsageError("expected the id of an action (see history), last or all", output);
  }
  std::string path;
  journal::Decoded decoded;
  if (!Load(services, path, decoded, output)) return kFailed;
  const std::vector<Action> actions = Actions(decoded.records);
  std::vector<uint64_t> ids;  // newest first
  if (which == "all") {
    ids = journal::ActionsSince(decoded.records, since);
  } else if (which == "last" && !actions.empty()) {
    ids.push_back(actions.back().id);
  } else if (std::any_of(actions.begin(), actions.end(), [&](const Action& a) { return a.id == id; })) {
    ids.push_back(id);
  }
  std::vector<const Action*> chosen;
  for (const uint64_t wanted : ids) {
    chosen.push_back(&*std::find_if(actions.begin(), actions.end(),
                                    [&](const Action& a) { return a.id == wanted; }));
  }
  if (chosen.empty() && which != "all") {
    output.err += "quillbox-cli: " +
                  (which == "last" ? std::string("there is nothing to undo")
                                   : "there is no action " + which) + " in " + path + ".\n";
    return kFailed;
  }

  // An undo changes what a repair changes: the two never run at once.
  const std::unique_ptr<HeldLock> lock = services.locks.Take(cleaner::kRepairLockName, 0);
  if (!lock) {
    output.err += "quillbox-cli: a repair is running on this computer; nothing was undone. Try "
                  "again once it has finished.\n";
    return kFailed;
  }
  // Each undo is an action of its own, so that it can be undone in turn.
  const std::unique_ptr<journal::JournaledServices> run = Journaled(services, path);
  const bool json = arguments.Has("--json");
  bool left = false;
  bool failed = false;
  if (json) output.out += "{\"undone\":[";
  for (const Action* action : chosen) {
    const std::string category = language::StorePhrase(language::phrase::kUndoCategory);
    const uint64_t undo = run->Begin(category, "undo of action " + std::to_string(action->id));
    // Registry, files, system settings, colours, display mode and fonts go back as the
    // History window puts them back.
    const journal::UndoResult result =
        journal::UndoRecords(journal::RecordsOf(decoded.records, action->id), run->UndoThrough());
    const std::string summary = "action " + std::to_string(action->id) + " (" +
                                action->category + "): " + std::to_string(result.undone) +
                                " undone, " + std::to_string(result.left.size()) +
                                " left because they changed since" +
                                (result.failed.empty() ? std::string()
                                                       : ", " + std::to_string(result.failed.size()) +
                                                             " could not be restored");
    // Stored as a phrase, so that the History window says it in the user's language.
    run->Finish(undo, category,
               language::StorePhrase(language::phrase::kUndoSummary,
                                     {std::to_string(action->id), std::to_string(result.undone),
                                      std::to_string(result.left.size()),
                                      std::to_string(result.failed.size())}));
    left = left || !result.left.empty();
    failed = failed || !result.failed.empty();
    if (json) {
      output.out += std::string(action == chosen.front() ? "" : ",") +
                    "{\"action\":" + std::to_string(action->id) + ",\"undo\":" +
                    std::to_string(undo) + ",\"undone\":" + std::to_string(result.undone) +
                    ",\"left\":[";
      for (size_t i = 0; i < result.left.size(); ++i) {
        if (i > 0) output.out += ",";
        output.out += JsonString(journal::ReadableTarget(result.left[i]));
      }
      output.out += "],\"failed\":" + std::to_string(result.failed.size()) + "}";
    } else {
      output.out += "Undone " + summary + ".\n";
      for (const std::string& target : result.left) output.out += "  left: " + journal::ReadableTarget(target) + "\n";
      for (const auto& copy : result.unusable_copies) {
        output.out += "  not restored: " + copy.target + ": its backup copy " + copy.copy +
                      (copy.missing ? " is missing\n" : " was changed since and was not used\n");
      }
    }
  }
  if (json) output.out += "]}\n";
  return failed ? kFailed : left ? kFound : kNothingFound;
}

}  // namespace qb::cli
