#include "cli/finding_list.h"

#include "cli/cleaner_report.h"
#include "cli/json_reader.h"

namespace qb::cli {

namespace {

// A member that must be a string, or null where allowed; false for anything else.
bool TextMember(const JsonValue& finding, std::string_view name, bool may_be_null, std::string& text) {
  const JsonValue* member = finding.Find(name);
  if (member && member->kind == JsonValue::Kind::String) {
    text = member->text;
    return true;
  }
  text = kNoText;
  return may_be_null && (!member || member->kind == JsonValue::Kind::Null);
}

}  // namespace

std::optional<std::set<std::string>> ReadChosenFindings(std::string_view text, std::string& error) {
  const std::optional<JsonValue> document = ParseJson(text, error);
  if (!document) return std::nullopt;
  const JsonValue* findings = document->kind == JsonValue::Kind::Object ? document->Find("findings") : nullptr;
  if (!findings || findings->kind != JsonValue::Kind::Array) {
    error = "it is not a report of check --json (no list of findings)";
    return std::nullopt;
  }
  std::set<std::string> chosen;
  for (size_t i = 0; i < findings->items.size(); ++i) {
    const JsonValue& finding = findings->items[i];
    std::string category, view, key, value, file, verdict;
    if (finding.kind != JsonValue::Kind::Object || !TextMember(finding, "category", false, category) ||
        !TextMember(finding, "view", true, view) || !TextMember(finding, "key", true, key) ||
        !TextMember(finding, "value", true, value) || !TextMember(finding, "file", true, file) ||
        !TextMember(finding, "verdict", true, verdict) || (key == kNoText && file == kNoText)) {
      error = "finding " + std::to_string(i + 1) + " does not name a category and a key or file";
      return std::nullopt;
    }
    if (verdict == kExcludedVerdict) continue;
    chosen.insert(category + "\n" + view + "\n" + key + "\n" + value + "\n" + file);
  }
  return chosen;
}

}  // namespace qb::cli
