#include "journal/journal_place.h"

#include <cstdio>
#include <span>

#include "cleaner/backup.h"
#include "errorlog/error_log.h"
#include "journal/restore_point_note.h"
#include "platform/text.h"
#include "tweaks/display_resolution.h"
#include "tweaks/wallpaper_choice.h"

namespace qb::journal {

namespace {

// One name per journal file, in every session: the processes of one user may run in several.
std::string RewriterLockName(const std::string& journal_path) {
  const std::string folded = text::Utf16ToUtf8(text::UpperUtf16(text::Utf8ToUtf16(journal_path)));
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08X", Crc32(std::span(reinterpret_cast<const uint8_t*>(folded.data()), folded.size())));
  return std::string("Global\\QuillBox journal ") + hex;
}

}  // namespace

std::string JournalPath(const Services& services) {
  const std::vector<std::string> folders = cleaner::BackupFolders(services);
  // A journal already kept stays the one: a run as an administrator that may now write to
  // the program folder must not start a second history beside the one in local data.
  for (const std::string& folder : folders) {
    const std::string path = folder + "\\" + kJournalFileName;
    uint32_t attributes = 0;
    if (services.files.GetAttributes(path, attributes) == status::kOk &&
        !(attributes & fileattr::kDirectory) &&
        services.files.AppendFile(path, {}) == status::kOk) {
      return path;
    }
  }
  for (const std::string& folder : folders) {
    const std::string path = folder + "\\" + kJournalFileName;
    // Appending nothing creates the file where it is missing and proves the folder writable.
    if (cleaner::EnsureFolder(services.files, folder) &&
        services.files.AppendFile(path, {}) == status::kOk) {
      return path;
    }
  }
  return {};
}

JournaledServices::JournaledServices(const Services& plain, std::string journal_path,
                                     language::Wording say)
    : plain_(plain),
      say_(say ? std::move(say) : language::InChosenLanguage(plain_)),
      journal_(plain.files, std::move(journal_path)),
      registry_(plain.registry, journal_, plain.clock),
      files_(plain.files, journal_, plain.clock),
      recorder_(journal_, plain.clock),
      parameters_(plain.system_parameters, recorder_),
      colours_(plain.system_colours, recorder_),
      display_(plain.display_modes, recorder_),
      fonts_(plain.fonts, recorder_),
      processes_(plain.processes, recorder_),
      journaled_{registry_,     plain.profile,   plain.instance,  plain.environment,
                 plain.shell,   plain.dialogs,   plain.clock,     files_,
                 parameters_,   plain.power,     plain.shortcuts, plain.system,
                 plain.formatter, plain.images,  display_,        colours_,
                 plain.recycle_bin, fonts_,      processes_,      plain.locks,
                 plain.restore_points},
      guarded_registry_(plain.registry, journal_, plain.clock),
      guarded_files_(plain.files, journal_, plain.clock),
      cleaner_{guarded_registry_, plain.profile,   plain.instance,  plain.environment,
               plain.shell,       plain.dialogs,   plain.clock,     guarded_files_,
               parameters_,       plain.power,     plain.shortcuts, plain.system,
               plain.formatter,   plain.images,    display_,        colours_,
               plain.recycle_bin, fonts_,          processes_,      plain.locks,
               plain.restore_points} {
  guarded_registry_.GuardRemovals(true);
  guarded_files_.GuardRemovals(true);
  // The journal is rewritten only by a process that holds it alone, for as long as it runs:
  // a rewrite while another process (the window, a companion) has it open would leave that
  // one appending to the file the rewrite replaced, its records lost.
  rewriter_ = plain.locks.Take(RewriterLockName(journal_.path()), 0);
  if (rewriter_) compaction_ = journal_.Compact(plain.clock.Now());
  // Compacting read the journal: the last point it noted is known before the first change.
  journal_.BeforeFirstChange([this](uint64_t action) {
    journal_.Append(RestorePointNote(plain_, action, plain_.clock.Now(),
                                     journal_.LastNumberedNote()));
  });
  for (const std::string& folder : cleaner::BackupFolders(plain)) {
    files_.Exclude(folder);
    guarded_files_.Exclude(folder);
  }
  // The error log is only ever appended to: an undo must never take lines out of it. A chosen
  // wallpaper waits in a scratch file until Apply, which journals the applied one.
  errorlog::ErrorLog log(plain_.files, plain_.environment);
  std::vector<std::string> own_files = tweaks::ChosenWallpaperFiles(plain_);
  own_files.push_back(log.ProgramFolderLog());
  own_files.push_back(log.UserFolderLog());
  for (std::string file : own_files) {
    files_.ExcludeFile(file);
    guarded_files_.ExcludeFile(std::move(file));
  }
}

uint64_t JournaledServices::Begin(std::string category, std::string summary) {
  journal_.Hold();
  const uint64_t action =
      journal_.BeginAction(plain_.clock.Now(), std::move(category), std::move(summary));
  SetAction(action);
  return action;
}

void JournaledServices::Finish(uint64_t action, std::string category, std::string summary) {
  Record start;
  start.action = action;
  start.time = plain_.clock.Now();
  start.target = std::move(category);
  start.detail = std::move(summary);
  journal_.Append(start);
  journal_.Release();
  SetAction(0);
}

void JournaledServices::SetAction(uint64_t action) {
  registry_.SetAction(action);
  files_.SetAction(action);
  guarded_registry_.SetAction(action);
  guarded_files_.SetAction(action);
  recorder_.SetAction(action);
}

UndoTargets JournaledServices::UndoThrough() {
  const auto keep_display = [this] {
    const std::string timeout = std::to_string(tweaks::kKeepDisplayTimeoutMs / 1000);
    return plain_.dialogs.ShowTimedMessage(0, say_(language::phrase::kKeepDisplay, {timeout}), {},
                                           mb::kYesNo | mb::kIconQuestion,
                                           tweaks::kKeepDisplayTimeoutMs) == mb::kIdYes;
  };
  return {registry_, files_, &parameters_, &colours_, &display_, &fonts_, keep_display};
}

}  // namespace qb::journal
