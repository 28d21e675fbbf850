#include "journal/journal.h"

#include <algorithm>

namespace qb::journal {

namespace {

// Each settling record changes the last record of its action and target before it: a refused
// change keeps its record, marked so, and a change that failed otherwise loses it.
std::vector<Record> Settled(std::vector<Record> records) {
  std::vector<Record> settled;
  settled.reserve(records.size());
  for (Record& record : records) {
    if (record.kind != ItemKind::Settled) {
      settled.push_back(std::move(record));
      continue;
    }
    const auto change = std::find_if(settled.rbegin(), settled.rend(), [&](const Record& earlier) {
      return earlier.action == record.action && earlier.target == record.target &&
             earlier.kind != ItemKind::ActionStart;
    });
    if (change == settled.rend()) continue;
    if (record.outcome == Outcome::Refused) {
      change->outcome = Outcome::Refused;
      change->after = change->before;
    } else {
      settled.erase(std::next(change).base());
    }
  }
  return settled;
}

}  // namespace

Decoded Journal::Load() {
  std::vector<uint8_t> bytes;
  if (files_.ReadFile(path_, bytes) != status::kOk) return {};
  Decoded decoded = DecodeRecords(bytes);
  for (const Record& record : decoded.records) last_action_ = std::max(last_action_, record.action);
  decoded.records = Settled(std::move(decoded.records));
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
  if (!appender_) {
    Status opened = status::kOk;
    appender_ = files_.OpenAppender(path_, opened);
    if (!appender_) return opened;
  }
  const Status appended = appender_->Append(EncodeRecord(record));
  // A full disk or a lost drive: the next record tries a fresh open.
  if (appended != status::kOk) appender_.reset();
  return appended;
}

Status Journal::Settle(const Record& record, Outcome outcome) {
  Record settling;
  settling.action = record.action;
  settling.kind = ItemKind::Settled;
  settling.outcome = outcome;
  settling.time = record.time;
  settling.target = record.target;
  return Append(settling);
}

}  // namespace qb::journal
