#include "cli/exclude_command.h"

#include "cleaner/exclusions.h"

namespace qb::cli {

namespace {

int Fail(const std::string& why, Output& output) {
  output.err += "quillbox-cli: " + why + "\n";
  return kFailed;
}

}  // namespace

// list prints the entries, one a line; add and remove change the file and say what they did.
// Adding an entry already there, or removing one that is not, changes nothing and says so.
int RunExclude(const Arguments& arguments, const Services& services, Output& output) {
  const auto& words = arguments.words;
  const std::string action = words.size() >= 2 ? words[1] : std::string();
  const bool list = action == "list" && words.size() == 2;
  if (!list && !((action == "add" || action == "remove") && words.size() == 3)) {
    return UsageError("expected exclude list, exclude add ENTRY or exclude remove ENTRY", output);
  }
  Status unreadable = status::kOk;
  cleaner::Exclusions exclusions =
      cleaner::LoadExclusions(services.files, services.environment, &unreadable);
  const std::string path = cleaner::ExclusionsPath(services.environment);
  if (unreadable != status::kOk) {
    return Fail("the list of entries to keep (" + path + ") cannot be read: " +
                    services.environment.ErrorText(unreadable),
                output);
  }
  if (list) {
    for (const auto& entry : exclusions.Entries()) output.out += entry + "\n";
    return kNothingFound;
  }
  const std::string& entry = words[2];
  if (action == "add" && !cleaner::NamesWhatTheCleanerRemoves(entry)) {
    return Fail("\"" + entry + "\" names nothing the cleaner removes: give a registry key (HKEY_... or HKLM\\...), "
                "a key and \" [value]\", or a full file or folder path", output);
  }
  const bool changed = action == "add" ? exclusions.Add(entry) : exclusions.Remove(entry);
  if (!changed) {
    output.out += action == "add" ? "Already kept: " + entry + "\n" : "Not in the list: " + entry + "\n";
    return kNothingFound;
  }
  if (const Status saved = cleaner::SaveExclusions(services.files, services.environment, exclusions);
      saved != status::kOk) {
    return Fail("the list of entries to keep (" + path + ") could not be written: " +
                    services.environment.ErrorText(saved) + "; it is unchanged",
                output);
  }
  output.out += (action == "add" ? "Always kept from now on: " : "No longer kept: ") + entry + "\n";
  return kNothingFound;
}

}  // namespace qb::cli
