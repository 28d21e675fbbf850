#pragma once
// The companion's one grammar for its arguments: words (a command and its operands, in
// order) and options from a table, "--name value" or "--name=value", anywhere on the line.
// Every command shares it, so an option means and is checked the same for all of them.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qb::cli {

struct OptionSpec {
  std::string_view name;  // "--drive"
  // What follows the option in the usage ("X:"); empty for a switch that takes no value.
  std::string_view value_hint;
  // The sentence's end when a value is missing or unsound: "needs a drive letter ...".
  std::string_view needs;
  // Whether a value is sound; nullptr takes any value that is not empty.
  bool (*sound)(std::string_view value) = nullptr;
};

struct Arguments {
  std::vector<std::string> words;
  std::map<std::string, std::string, std::less<>> options;  // name -> value ("" for a switch)

  bool Has(std::string_view name) const { return options.contains(name); }
  std::string Value(std::string_view name) const;
};

// The arguments, or nullopt with the reason in error: an unknown option, one given twice,
// a value missing or unsound, a value given to a switch.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args,
                                        std::span<const OptionSpec> options, std::string& error);

}  // namespace qb::cli
