#include "journal/journal.h"

#include <algorithm>

namespace qb::journal {

Decoded Journal::Load() {
  std::vector<uint8_t> bytes;
  if (files_.ReadFile(path_, bytes) != status::kOk) return {};
  Decoded decoded = DecodeRecords(bytes);
  for (const Record& record : decoded.records) last_action_ = std::max(last_action_, record.action);
  return decoded;
}

uint64_t Journal::BeginAction(const LocalTime& time, std::string category, std::string summary) {
  Record start;
  start.action = ++last_action_;
  start.kind = ItemKind::ActionStart;
  start.time = time;
  start.target = std::move(category);
  start.detail = std::move(summary);
  Append(start);
  return start.action;
}

Status Journal::Append(const Record& record) {
  last_action_ = std::max(last_action_, record.action);
  return files_.AppendFile(path_, EncodeRecord(record));
}

}  // namespace qb::journal
