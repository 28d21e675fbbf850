#include "journal/held_copies.h"

#include <cstdio>
#include <set>

#include "platform/replace_file.h"
#include "platform/text.h"

namespace qb::journal {

std::string HeldCopiesFolder(std::string_view journal_path) {
  const auto separator = journal_path.find_last_of("\\/");
  const std::string_view folder = separator == std::string_view::npos ? "." : journal_path.substr(0, separator);
  return std::string(folder) + "\\Journal copies";
}

ItemState HoldLarge(FileSystem& files, const std::string& folder, ItemState state) {
  if (!state.present || state.copy || state.bytes.size() < kHeldFromBytes) return state;
  const uint64_t size = state.bytes.size();
  const uint32_t checksum = Crc32(state.bytes);
  char name[40];
  std::snprintf(name, sizeof name, "%llu-%08X.held", static_cast<unsigned long long>(size), checksum);
  const std::string path = folder + "\\" + name;
  FileFacts facts;
  const bool kept = files.GetFacts(path, facts) == status::kOk && facts.size == size;
  if (!kept) {
    files.CreateFolder(folder);  // there already, mostly
    if (ReplaceWholeFile(files, path, state.bytes) != status::kOk) return state;
  }
  return ItemState::InCopy(state.tag, {path, size, 0, checksum});
}

std::vector<NamedCopy> CopiesNamed(const std::string& folder, const Record& record) {
  std::vector<NamedCopy> named;
  for (const ItemState* state : {&record.before, &record.after}) {
    if (!state->copy || state->copy->path.size() <= folder.size() ||
        !text::EqualsNoCase(std::string_view(state->copy->path).substr(0, folder.size()), folder)) {
      continue;
    }
    named.push_back({text::ToLowerAscii(state->copy->path), state->copy->size});
  }
  return named;
}

void RemoveUnnamedCopies(FileSystem& files, const std::string& folder, const std::vector<Record>& records) {
  std::set<std::string> named;
  for (const Record& record : records) {
    for (NamedCopy& copy : CopiesNamed(folder, record)) named.insert(std::move(copy.path));
  }
  std::vector<FileEntry> entries;
  if (files.FindFiles(folder + "\\*", entries) != status::kOk) return;
  for (const FileEntry& entry : entries) {
    if (entry.attributes & fileattr::kDirectory) continue;
    const std::string path = folder + "\\" + entry.name;
    if (named.count(text::ToLowerAscii(path)) == 0) files.DeleteFile(path);
  }
}

}  // namespace qb::journal
