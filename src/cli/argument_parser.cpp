#include "cli/argument_parser.h"

#include <algorithm>

namespace qb::cli {

std::string Arguments::Value(std::string_view name) const {
  const auto found = options.find(name);
  return found == options.end() ? std::string() : found->second;
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args,
                                        std::span<const OptionSpec> options, std::string& error) {
  Arguments parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.starts_with("--")) {
      parsed.words.push_back(arg);
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const auto option = std::find_if(options.begin(), options.end(),
                                   [&](const OptionSpec& known) { return known.name == name; });
    if (option == options.end()) {
      error = "unknown option " + name;
      return std::nullopt;
    }
    if (parsed.Has(name)) {
      error = name + " is given twice";
      return std::nullopt;
    }
    std::string value;
    if (option->value_hint.empty()) {
      if (equals != std::string::npos) {
        error = name + " takes no value";
        return std::nullopt;
      }
    } else {
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      }
      if (value.empty() || (option->sound && !option->sound(value))) {
        error = name + " " + std::string(option->needs);
        return std::nullopt;
      }
    }
    parsed.options.emplace(name, std::move(value));
  }
  return parsed;
}

}  // namespace qb::cli
