#include "cli/command_line.h"

#include <algorithm>
#include <cctype>

#include "cli/argument_parser.h"
#include "cli/cleaner_commands.h"
#include "cli/exclude_command.h"
#include "cli/settings_commands.h"
#include "cli/undo_commands.h"
#include "platform/replace_file.h"

namespace qb::cli {

namespace {

bool IsDrive(std::string_view text) {
  return (text.size() == 2 || (text.size() == 3 && text[2] == '\\')) &&
         std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':';
}

bool IsFolderBelowDrive(std::string_view text) { return text.size() >= 4 && IsDrive(text.substr(0, 3)); }

// Every option of every command; a command names the ones it takes.
constexpr OptionSpec kOptions[] = {
    {"--drive", "X:", "needs a drive letter and a colon, such as C:", IsDrive},
    {"--folder", "PATH", "needs a full path below a drive, such as C:\\Users", IsFolderBelowDrive},
    {"--json", "", "", nullptr},
    {"--output", "FILE", "needs the name of the file to write the report to", nullptr},
    {"--only", "FILE", "needs the name of a file that holds the findings to repair", nullptr},
    {"--since", "YYYY-MM-DD", "needs a date such as 2026-01-31", nullptr},
};

constexpr std::string_view kCleanerOptions[] = {"--drive", "--folder", "--json", "--output"};
constexpr std::string_view kRepairOptions[] = {"--drive", "--folder", "--json", "--output", "--only"};
constexpr std::string_view kExcludeOptions[] = {"--output"};
constexpr std::string_view kHistoryOptions[] = {"--json"};
constexpr std::string_view kUndoOptions[] = {"--since", "--json"};
constexpr std::string_view kSettingsOptions[] = {"--json"};

struct Command {
  std::string_view name;
  std::string_view operands;  // the usage line after the name
  std::span<const std::string_view> options;
  int (*run)(const Arguments&, const Services&, Output&);
};

constexpr Command kCommands[] = {
    {"check", "<category>|all [--drive X: | --folder PATH] [--json] [--output FILE]", kCleanerOptions,
     RunCheck},
    {"repair", "<category>|all [--drive X: | --folder PATH] [--json] [--output FILE] [--only FILE]",
     kRepairOptions, RunRepair},
    {"exclude", "list | add ENTRY | remove ENTRY", kExcludeOptions, RunExclude},
    {"history", "[--json]", kHistoryOptions, RunHistory},
    {"undo", "<id>|last|all [--since YYYY-MM-DD] [--json]", kUndoOptions, RunUndo},
    {"settings", "list [--json] | get NAME | set NAME VALUE | export [FILE] | check FILE [--json] | apply FILE [--json]",
     kSettingsOptions, RunSettings},
};

std::string Usage() {
  std::string usage;
  for (const Command& command : kCommands) {
    usage += std::string(usage.empty() ? "Usage: " : "       ") + "quillbox-cli " +
             std::string(command.name) + " " + std::string(command.operands) + "\n";
  }
  return usage + "       quillbox-cli --help | --version\n";
}

std::string CommandNames() {
  std::string names;
  for (const Command& command : kCommands) names += " " + std::string(command.name);
  return names;
}

std::string SettingsHelp();

std::string Help() {
  return Usage() + "Categories:" + CategoryNames() +
         "\ncheck lists what a repair would remove and removes nothing; repair backs "
         "the entries up first and says where the backup is. --output writes the report "
         "into a file, whole or not at all. repair --only FILE removes only the findings FILE lists "
         "(a check --json report, edited). exclude keeps an entry from every later check and "
         "repair: a registry key, a key and [value], or a file or folder path. Every repair is "
         "journaled: history lists the actions with their ids, and undo takes one back (an id or "
         "last), or all of them, newest first (all --since a date: those made on or after it).\n"
         "Exit status: 0 nothing found, 1 entries found or repaired, 2 a usage or system error, a "
         "drive or folder that cannot be read, another repair running, or a report that could not "
         "be written. undo: 0 everything undone, 1 items left because they changed since, 2 a "
         "usage or system error.\n" + SettingsHelp();
}

std::string SettingsHelp() {
  return "\nsettings reads and writes the tweak pages' settings by name. A profile is UTF-8 text, one "
         "NAME = VALUE a line, # for comments, optionally headed [Quill Box profile] and format = 1; a "
         "setting it does not name is left as it is, and a profile with any fault changes nothing. "
         "export writes the current values as a profile; check says which differ (0 none, 1 some, 2 an "
         "error); apply sets exactly those, in this order, as the window does, and is journaled (0 the "
         "machine now matches, 1 some were refused, 2 an error). On/off settings take on, off, 1 or 0. "
         "Per-user settings change for the user who runs the command; those marked (administrator) "
         "need one.\nSettings:\n" + SettingNames();
}

std::string Version() {
  return "quillbox-cli " + std::to_string(QB_VERSION_MAJOR) + "." + std::to_string(QB_VERSION_MINOR) +
         "." + std::to_string(QB_VERSION_REVISION) + "\n";
}

const Command* FindCommand(const Arguments& arguments, std::string& error) {
  if (arguments.words.empty()) {
    error = "expected a command; the commands are" + CommandNames();
    return nullptr;
  }
  const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const Command& c) { return c.name == arguments.words[0]; });
  if (command == std::end(kCommands)) {
    error = "unknown command \"" + arguments.words[0] + "\"; the commands are" + CommandNames();
    return nullptr;
  }
  for (const auto& [name, value] : arguments.options) {
    if (std::find(command->options.begin(), command->options.end(), name) == command->options.end()) {
      error = name + " does not apply to " + std::string(command->name);
      return nullptr;
    }
  }
  return &*command;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, const Services& services, Output& output) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "/?")) {
    output.out += Help();
    return kNothingFound;
  }
  if (args.size() == 1 && args[0] == "--version") {
    output.out += Version();
    return kNothingFound;
  }
  std::string error;
  const std::optional<Arguments> arguments = ParseArguments(args, kOptions, error);
  const Command* command = arguments ? FindCommand(*arguments, error) : nullptr;
  if (!command) return UsageError(error, output);

  const int code = command->run(*arguments, services, output);
  const std::string report_file = arguments->Value("--output");
  if (report_file.empty() || (code == kFailed && output.out.empty())) return code;
  const std::vector<uint8_t> bytes(output.out.begin(), output.out.end());
  output.out.clear();
  // Written beside and renamed into place: a full disk leaves no cut report behind.
  if (const Status written = ReplaceWholeFile(services.files, report_file, bytes);
      written != status::kOk) {
    return ReportNotWritten(report_file, services.environment.ErrorText(written), output);
  }
  return code;
}

int UsageError(std::string_view error, Output& output) {
  output.err += "quillbox-cli: " + std::string(error) + "\n" + Usage();
  return kFailed;
}

int ReportNotWritten(std::string_view where, std::string_view reason, Output& output) {
  output.err += "quillbox-cli: the report could not be written to " + std::string(where) + ": " +
                std::string(reason) + ".\n";
  return kFailed;
}

}  // namespace qb::cli
