#include "cleaner/exclusions.h"

#include "cleaner/selection.h"
#include "platform/replace_file.h"
#include "platform/text.h"

namespace qb::cleaner {

namespace {

std::string Fold(std::string_view text) {
  return text::Utf16ToUtf8(text::UpperUtf16(text::Utf8ToUtf16(text)));
}

// Spaces, tabs and the CR of a CR LF line break around an entry are no part of it.
std::string Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

std::string FoldedKey(const RegKeyPath& key) {
  std::string name(RootLongName(key.root));
  if (!key.path.empty()) name += "\\" + key.path;
  return Fold(name);
}

// A key entry as the cleaner names what it removes: the root's long name, and the path of
// a 32-bit key without the "WOW6432Node" that registry editors and the cleaner's own backup
// files show in it (a key named either way is kept in both views). Empty for an entry that
// names no root, long ("HKEY_LOCAL_MACHINE") or short ("HKLM").
std::string KeyInCleanerForm(std::string_view entry) {
  // "key [value]": the value is what the last " [" opens; a key name may hold brackets.
  std::string_view value;
  if (const size_t open = entry.rfind(" ["); entry.ends_with(']') && open != std::string_view::npos) {
    value = entry.substr(open);
    entry = entry.substr(0, open);
  }
  size_t end = entry.find('\\');
  const std::string_view root = entry.substr(0, end);
  std::string key;
  for (const RegRoot r : kAllRegRoots) {
    if (text::CompareNoCase(root, RootLongName(r)) == 0 || text::CompareNoCase(root, RootShortName(r)) == 0) {
      key = RootLongName(r);
    }
  }
  if (key.empty()) return key;
  while (end != std::string_view::npos) {
    const size_t start = end + 1;
    end = entry.find('\\', start);
    const std::string_view part = entry.substr(start, end == std::string_view::npos ? end : end - start);
    if (text::CompareNoCase(part, "WOW6432Node") != 0) key.append("\\").append(part);
  }
  return key.append(value);
}

// "C:\..." or "\\server\share\...": a full path; anything else names no file the cleaner
// removes.
bool NamesPath(std::string_view entry) {
  return (entry.size() >= 3 && entry[1] == ':' && entry[2] == '\\') || entry.starts_with("\\\\");
}

std::string WithoutTrailingSlashes(std::string_view text) {
  while (text.size() > 3 && text.back() == '\\') text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

bool NamesWhatTheCleanerRemoves(std::string_view entry) {
  const std::string trimmed = Trim(entry);
  return NamesPath(trimmed) || !KeyInCleanerForm(trimmed).empty();
}

Exclusions Exclusions::FromBytes(const std::vector<uint8_t>& bytes) {
  std::string content;
  if (text::HasUtf16LeMark(bytes)) {
    content = text::Utf16ToUtf8(text::Utf16LeUnits(bytes, 2));
  } else {
    content.assign(bytes.begin(), bytes.end());
    if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);
  }
  Exclusions exclusions;
  size_t start = 0;
  while (start <= content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    const std::string line = Trim(std::string_view(content).substr(start, end - start));
    if (!line.empty() && line[0] != ';' && line[0] != '#') exclusions.Add(line);
    start = end + 1;
  }
  return exclusions;
}

std::vector<uint8_t> Exclusions::ToBytes() const {
  std::string content =
      "; Entries the System Health cleaner always keeps, one a line: a registry key, a key and\r\n"
      "; [value], or a file or folder path.\r\n";
  for (const auto& entry : entries_) content += entry + "\r\n";
  return {content.begin(), content.end()};
}

bool Exclusions::Add(std::string_view entry) {
  const std::string trimmed = Trim(entry);
  if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#' ||
      trimmed.find_first_of("\r\n") != std::string::npos ||
      !folded_.insert(Fold(trimmed)).second) {
    return false;
  }
  entries_.push_back(trimmed);
  Index(trimmed);
  return true;
}

bool Exclusions::Remove(std::string_view entry) {
  const std::string folded = Fold(Trim(entry));
  if (!folded_.erase(folded)) return false;
  std::erase_if(entries_, [&](const std::string& e) { return Fold(e) == folded; });
  Reindex();
  return true;
}

void Exclusions::Reindex() {
  keys_.clear();
  values_.clear();
  paths_.clear();
  for (const auto& entry : entries_) Index(entry);
}

void Exclusions::Index(const std::string& entry) {
  if (NamesPath(entry)) {
    paths_.insert(Fold(WithoutTrailingSlashes(entry)));
    return;
  }
  const std::string key = KeyInCleanerForm(entry);
  if (key.empty()) return;  // kept in the file, judged by nothing
  // "key [value]": the value is what the last " [" opens; a key name may hold brackets.
  const size_t open = key.rfind(" [");
  if (key.back() == ']' && open != std::string::npos) {
    values_.insert(Fold(WithoutTrailingSlashes(key.substr(0, open))) + "\n" +
                   Fold(key.substr(open + 2, key.size() - open - 3)));
  } else {
    keys_.insert(Fold(WithoutTrailingSlashes(key)));
  }
}

bool Exclusions::Keeps(const Removal& removal) const {
  if (!removal.file.empty()) {
    if (paths_.empty()) return false;
    std::string path = Fold(removal.file);
    // The file itself, then every folder above it up to the drive ("C:\\").
    for (;;) {
      if (paths_.contains(path)) return true;
      const size_t slash = path.rfind('\\', path.size() - 2);
      if (slash == std::string::npos || slash < 2) return false;
      path.resize(slash == 2 ? 3 : slash);
    }
  }
  if (keys_.empty() && values_.empty()) return false;
  const std::string key = FoldedKey(removal.key);
  if (keys_.contains(key)) return true;
  return removal.value_name && values_.contains(key + "\n" + Fold(*removal.value_name));
}

std::string ExclusionEntry(const Removal& removal) {
  if (!removal.file.empty()) return removal.file;
  std::string entry(RootLongName(removal.key.root));
  if (!removal.key.path.empty()) entry += "\\" + removal.key.path;
  if (removal.value_name) entry += " [" + *removal.value_name + "]";
  return entry;
}

void SetAsideExcluded(const Exclusions& exclusions, ScanResult& scan) {
  if (exclusions.Entries().empty()) return;
  std::vector<bool> offered(scan.removals.size());
  for (size_t i = 0; i < scan.removals.size(); ++i) offered[i] = !exclusions.Keeps(scan.removals[i]);
  KeepOnly(scan, offered, true);
}

std::string ExclusionsPath(Environment& environment) {
  return environment.LocalAppDataFolder() + "\\Quill Box\\" + std::string(kExclusionsFileName);
}

Exclusions LoadExclusions(FileSystem& files, Environment& environment, Status* failed) {
  std::vector<uint8_t> bytes;
  const Status read = files.ReadFile(ExclusionsPath(environment), bytes);
  if (failed) *failed = read == status::kFileNotFound || read == status::kPathNotFound ? status::kOk : read;
  return read == status::kOk ? Exclusions::FromBytes(bytes) : Exclusions();
}

Status SaveExclusions(FileSystem& files, Environment& environment, const Exclusions& exclusions) {
  const std::string folder = environment.LocalAppDataFolder() + "\\Quill Box";
  files.CreateFolder(folder);  // already there most times; the write says what failed
  return ReplaceWholeFile(files, ExclusionsPath(environment), exclusions.ToBytes());
}

}  // namespace qb::cleaner
