// A run's notes come from the language file in the window and stay English for the console
// companion: every branch of the summary says a phrase, none composes its own words.
#include "cleaner/run_summary.h"

#include <gtest/gtest.h>

#include "language/language_catalogue.h"
#include "platform/app_settings.h"
#include "platform/memory/memory_machine.h"

namespace qb::cleaner {
namespace {

TEST(RunSummaryTest, EveryNoteIsSaidInTheChosenLanguageAndInEnglishByDefault) {
  MemoryMachine machine;
  const std::string file = machine.environment.application_folder + "\\languages\\Pseudo.ini";
  std::string text = "[Vorlix]\n";
  for (const auto& phrase : language::kPhrases) {
    text += std::string(phrase.key) + "=[" + std::string(phrase.english) + "]\n";
  }
  machine.files.AddFile(file);
  machine.profile.SetFile(file, text);
  AppSettings settings(machine.registry);
  language::StoreChoice(settings, "Pseudo");

  ScanResult scan;
  scan.removals.resize(2);
  scan.unreadable = 3;
  scan.skipped_folders = {"C:\\Locked"};
  scan.search_failed = status::kNotReady;
  for (const size_t n : {size_t{1}, size_t{4}}) {
    RepairOutcome outcome{.changed = n, .not_backed_up = n, .refused = n, .stopped = true,
                          .backup_path = "C:\\QB\\Backups\\b", .earlier_backup_path = "C:\\QB\\a",
                          .error = "cannot write C:\\QB\\x"};
    const auto services = machine.services();
    const auto notes = RunNotes(scan, outcome, language::InChosenLanguage(services));
    const auto english = RunNotes(scan, outcome);
    ASSERT_EQ(notes.size(), 10u);
    ASSERT_EQ(english.size(), notes.size());
    for (size_t i = 0; i < notes.size(); ++i) {
      if (notes[i] == outcome.error) continue;  // the backup's own reason, passed on
      EXPECT_EQ(notes[i], "[" + english[i] + "]");
    }
    EXPECT_EQ(english[2], n == 1 ? "Windows refused to remove 1 entry: removing them needs an administrator."
                                 : "Windows refused to remove 4 entries: removing them needs an administrator.");
    EXPECT_EQ(english.back(),
              "The program's folder could not hold every copy: the first ones are in C:\\QB\\a, "
              "the others in C:\\QB\\Backups\\b");
  }
}

}  // namespace
}  // namespace qb::cleaner
