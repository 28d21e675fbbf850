#include "journal/journal.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "journal/held_copies.h"
#include "platform/replace_file.h"

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
  read_ = files_.ReadGrowingFile(path_, bytes) == status::kOk;
  if (!read_) return {};
  Decoded decoded = DecodeRecords(bytes);
  for (const Record& record : decoded.records) {
    last_action_ = std::max(last_action_, record.action);
    if (record.kind == ItemKind::Note && record.after.present) last_numbered_note_ = record;
  }
  decoded.records = Settled(std::move(decoded.records));
  return decoded;
}

namespace {

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar).
int64_t DayNumber(const LocalTime& t) {
  const int64_t y = t.year - (t.month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (t.month + (t.month > 2 ? -3 : 9)) + 2) / 5 + t.day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

}  // namespace

Journal::Compaction Journal::Compact(const LocalTime& now, int max_days, uint64_t max_bytes) {
  appender_.reset();  // the file may be replaced below
  const Decoded decoded = Load();
  // Written anew, the journal would lose what a newer version recorded in it; unread, its
  // copies would all look unnamed.
  if (decoded.unknown != 0 || !read_) return {};
  // Each action's first time and size on disk, oldest first.
  struct ActionSize {
    uint64_t id;
    int64_t day;
    uint64_t bytes;
  };
  std::map<uint64_t, ActionSize> held;  // by id, which grows with time
  uint64_t total = 0;
  // A copy beside the journal goes with the last action that names it.
  const std::string copies = HeldCopiesFolder(path_);
  std::map<std::string, std::pair<uint64_t, uint64_t>> last_naming;  // copy: action, size
  for (const Record& record : decoded.records) {
    const uint64_t size = EncodeRecord(record).size();
    total += size;
    const ActionSize first{record.action, DayNumber(record.time), 0};
    held.try_emplace(record.action, first).first->second.bytes += size;
    for (NamedCopy& copy : CopiesNamed(copies, record)) {
      last_naming.insert_or_assign(std::move(copy.path), std::pair{record.action, copy.size});
    }
  }
  for (const auto& [path, naming] : last_naming) {
    held[naming.first].bytes += naming.second;
    total += naming.second;
  }
  std::set<uint64_t> dropped;
  const int64_t today = DayNumber(now);
  for (const auto& [id, h] : held) {
    if (today - h.day > max_days || total > max_bytes) {
      dropped.insert(id);
      total -= h.bytes;
    }
  }
  if (dropped.empty() && decoded.damaged == 0 && !decoded.cut_short) {
    RemoveUnnamedCopies(files_, copies, decoded.records);  // left by a run that stopped before its record
    return {};
  }
  std::vector<Record> kept;
  std::vector<uint8_t> bytes;
  for (const Record& record : decoded.records) {
    if (dropped.count(record.action) > 0) continue;
    const std::vector<uint8_t> encoded = EncodeRecord(record);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    kept.push_back(record);
  }
  if (ReplaceWholeFile(files_, path_, bytes) != status::kOk) return {};
  RemoveUnnamedCopies(files_, copies, kept);
  return {dropped.size(), decoded.damaged};
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
  const bool change = record.kind != ItemKind::ActionStart && record.kind != ItemKind::Settled &&
                      record.kind != ItemKind::Note;
  if (change && before_first_) std::exchange(before_first_, nullptr)(record.action);
  const Status written = Write(EncodeRecord(record));
  if (written != status::kOk) {
    if (failure_ == status::kOk) failure_ = written;
    return written;
  }
  for (Scope& scope : scopes_) {
    if (scope.action == 0 || scope.action != record.action ||
        record.kind == ItemKind::ActionStart || record.kind == ItemKind::Note) {
      continue;
    }
    // A settled change did not happen: it counts as refused, or not at all.
    if (record.kind == ItemKind::Settled) {
      uint32_t& last = scope.counts.by_kind[static_cast<size_t>(scope.last_kind)];
      if (last > 0) --last;
      if (record.outcome == Outcome::Refused) ++scope.counts.refused;
      continue;
    }
    ++scope.counts.by_kind[static_cast<size_t>(record.kind)];
    scope.last_kind = record.kind;
    if (record.outcome == Outcome::Refused) ++scope.counts.refused;
  }
  return status::kOk;
}

// Within an action the file stays open from its first record to its last, so that an Apply
// of many values opens it once; outside one, each record opens the file for itself. Either
// way each record is written whole before the change it describes is made.
Status Journal::Write(const std::vector<uint8_t>& bytes) {
  if (scopes_.empty() && held_ == 0) return files_.AppendFile(path_, bytes);
  if (!appender_) appender_ = files_.OpenAppender(path_);
  const Status written = appender_->Append(bytes);
  if (written != status::kOk) appender_.reset();  // opened anew for the next record
  return written;
}

void Journal::Release() {
  ++epoch_;
  if (held_ > 0) --held_;
  LetGoWhenIdle();
}

void Journal::LetGoWhenIdle() {
  if (scopes_.empty() && held_ == 0) appender_.reset();
}

bool Journal::TakeFailureNotice() {
  if (failure_ == status::kOk || failure_told_) return false;
  failure_told_ = true;
  return true;
}

uint32_t Journal::Counts::Total() const {
  uint32_t total = 0;
  for (const uint32_t n : by_kind) total += n;
  return total;
}

void Journal::OpenScope(std::function<std::string()> category, const void* owner) {
  ++epoch_;
  if (!scopes_.empty() && scopes_.back().owner == owner) {
    ++scopes_.back().depth;
    return;
  }
  scopes_.push_back({owner, 1, std::move(category), {}, 0, {}});
}

uint64_t Journal::ScopeAction(const LocalTime& now) {
  if (scopes_.empty()) return 0;
  Scope& scope = scopes_.back();
  if (scope.action == 0) {
    // A name that cannot be made must not stop the change from being recorded.
    try {
      if (scope.name) scope.category = scope.name();
    } catch (...) {
    }
    scope.action = BeginAction(now, scope.category, scope.category);
  }
  return scope.action;
}

void Journal::CloseScope(const LocalTime& now, const Summariser& summarise) {
  ++epoch_;
  if (scopes_.empty() || --scopes_.back().depth > 0) return;
  const Scope scope = std::move(scopes_.back());
  scopes_.pop_back();
  if (scope.action == 0) {
    LetGoWhenIdle();
    return;
  }
  Record start;
  start.action = scope.action;
  start.time = now;
  start.target = scope.category;
  start.detail = scope.category;
  // A summary that cannot be made must not take the handler's own work with it.
  try {
    if (summarise) start.detail = summarise(scope.category, scope.counts);
  } catch (...) {
  }
  Append(start);
  LetGoWhenIdle();
}

ActionScope::ActionScope(Journal* journal, std::function<std::string()> category,
                         const void* owner, Clock& clock, Journal::Summariser summarise)
    : journal_(journal), clock_(clock), summarise_(std::move(summarise)) {
  if (journal_) journal_->OpenScope(std::move(category), owner);
}

ActionScope::~ActionScope() {
  if (journal_) journal_->CloseScope(clock_.Now(), summarise_);
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
