#include "journal/journal_record.h"

#include <algorithm>
#include <array>

namespace qb::journal {
namespace {

constexpr std::array<uint8_t, 4> kMarker = {'Q', 'B', 'J', 0x1A};
// A payload larger than this is taken for a damaged length rather than read.
constexpr uint32_t kLargestPayload = 64u << 20;

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PutU64(std::vector<uint8_t>& out, uint64_t v) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PutBytes(std::vector<uint8_t>& out, std::span<const uint8_t> bytes) {
  PutU32(out, static_cast<uint32_t>(bytes.size()));
  out.insert(out.end(), bytes.begin(), bytes.end());
}
void PutText(std::vector<uint8_t>& out, const std::string& text) {
  PutBytes(out, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}
// The presence byte: 0 absent, 1 present with its bytes, 2 or 3 present with its bytes held
// in a copy, whose path, size and then checksum (2) or write time (3) take the place of the
// bytes.
constexpr uint8_t kHeldInCopy = 2;
constexpr uint8_t kHeldInCopyOfTime = 3;

void PutState(std::vector<uint8_t>& out, const ItemState& state) {
  if (state.present && state.copy) {
    const HeldCopy& copy = *state.copy;
    out.push_back(copy.checksum ? kHeldInCopy : kHeldInCopyOfTime);
    PutU32(out, state.tag);
    std::vector<uint8_t> held;
    PutText(held, copy.path);
    PutU64(held, copy.size);
    if (copy.checksum) {
      PutU32(held, *copy.checksum);
    } else {
      PutU64(held, copy.written);
    }
    PutBytes(out, held);
    return;
  }
  out.push_back(state.present ? 1 : 0);
  PutU32(out, state.tag);
  PutBytes(out, state.bytes);
}

uint32_t GetU32(std::span<const uint8_t> b, size_t at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(b[at + i]) << (8 * i);
  return v;
}

// Reads a payload; false when its contents do not add up.
class Reader {
 public:
  explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  bool U8(uint8_t& v) {
    if (at_ + 1 > bytes_.size()) return false;
    v = bytes_[at_++];
    return true;
  }
  bool U32(uint32_t& v) {
    if (at_ + 4 > bytes_.size()) return false;
    v = GetU32(bytes_, at_);
    at_ += 4;
    return true;
  }
  bool U64(uint64_t& v) {
    uint32_t low = 0, high = 0;
    if (!U32(low) || !U32(high)) return false;
    v = low | (static_cast<uint64_t>(high) << 32);
    return true;
  }
  bool Bytes(std::vector<uint8_t>& v) {
    uint32_t size = 0;
    if (!U32(size) || size > bytes_.size() - at_) return false;
    v.assign(bytes_.begin() + at_, bytes_.begin() + at_ + size);
    at_ += size;
    return true;
  }
  bool Text(std::string& v) {
    std::vector<uint8_t> raw;
    if (!Bytes(raw)) return false;
    v.assign(raw.begin(), raw.end());
    return true;
  }
  bool State(ItemState& s) {
    uint8_t present = 0;
    if (!U8(present) || present > kHeldInCopyOfTime || !U32(s.tag) || !Bytes(s.bytes)) return false;
    s.present = present != 0;
    if (present < kHeldInCopy) return true;
    HeldCopy copy;
    Reader held(s.bytes);
    uint32_t checksum = 0;
    if (!held.Text(copy.path) || !held.U64(copy.size)) return false;
    const bool proof = present == kHeldInCopy ? held.U32(checksum) : held.U64(copy.written);
    if (!proof || !held.AtEnd()) return false;
    if (present == kHeldInCopy) copy.checksum = checksum;
    s.bytes.clear();
    s.copy = std::move(copy);
    return true;
  }
  bool AtEnd() const { return at_ == bytes_.size(); }

 private:
  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
};

bool ParsePayload(std::span<const uint8_t> payload, Record& r) {
  Reader in(payload);
  uint8_t kind = 0, outcome = 0;
  uint32_t t[6] = {};
  if (!in.U64(r.action) || !in.U8(kind) || !in.U8(outcome)) return false;
  if (kind > static_cast<uint8_t>(ItemKind::Note) ||
      outcome > static_cast<uint8_t>(Outcome::NotMade)) {
    return false;
  }
  for (auto& part : t) {
    if (!in.U32(part)) return false;
  }
  r.kind = static_cast<ItemKind>(kind);
  r.outcome = static_cast<Outcome>(outcome);
  r.time = {static_cast<int>(t[0]), static_cast<int>(t[1]), static_cast<int>(t[2]),
            static_cast<int>(t[3]), static_cast<int>(t[4]), static_cast<int>(t[5])};
  return in.Text(r.target) && in.Text(r.detail) && in.State(r.before) && in.State(r.after) &&
         in.AtEnd();
}

}  // namespace

bool Record::operator==(const Record& o) const {
  const auto stamp = [](const LocalTime& t) {
    return std::array{t.year, t.month, t.day, t.hour, t.minute, t.second};
  };
  return action == o.action && kind == o.kind && outcome == o.outcome &&
         stamp(time) == stamp(o.time) && target == o.target && detail == o.detail &&
         before == o.before && after == o.after;
}

// A byte at a time from a table: every record and every file kept by reference is summed.
constexpr std::array<uint32_t, 256> kCrcTable = [] {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t crc = n;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    table[n] = crc;
  }
  return table;
}();

uint32_t Crc32(std::span<const uint8_t> bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (const uint8_t byte : bytes) crc = kCrcTable[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
  return ~crc;
}

std::vector<uint8_t> EncodeRecord(const Record& r) {
  std::vector<uint8_t> payload;
  PutU64(payload, r.action);
  payload.push_back(static_cast<uint8_t>(r.kind));
  payload.push_back(static_cast<uint8_t>(r.outcome));
  for (const int part : {r.time.year, r.time.month, r.time.day, r.time.hour, r.time.minute,
                         r.time.second}) {
    PutU32(payload, static_cast<uint32_t>(part));
  }
  PutText(payload, r.target);
  PutText(payload, r.detail);
  PutState(payload, r.before);
  PutState(payload, r.after);

  std::vector<uint8_t> frame(kMarker.begin(), kMarker.end());
  PutU32(frame, static_cast<uint32_t>(payload.size()));
  frame.insert(frame.end(), payload.begin(), payload.end());
  PutU32(frame, Crc32(payload));
  return frame;
}

Decoded DecodeRecords(std::span<const uint8_t> bytes) {
  Decoded out;
  size_t at = 0;
  const auto next_marker = [&](size_t from) {
    const auto it = std::search(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(),
                                kMarker.begin(), kMarker.end());
    return static_cast<size_t>(it - bytes.begin());
  };
  while (at < bytes.size()) {
    const size_t marker = next_marker(at);
    if (marker != at) {
      // Bytes that are no record: either the tail of a cut marker or damage.
      if (marker == bytes.size() && bytes.size() - at < kMarker.size()) {
        out.cut_short = true;
      } else {
        ++out.damaged;
      }
      at = marker;
      continue;
    }
    const size_t header = kMarker.size() + 4;
    if (bytes.size() - at < header) {
      out.cut_short = true;
      break;
    }
    const uint32_t length = GetU32(bytes, at + kMarker.size());
    if (length > kLargestPayload) {
      ++out.damaged;
      at = next_marker(at + 1);
      continue;
    }
    if (bytes.size() - at < header + length + 4) {
      // Either the last record was cut, or a damaged length points past the end: a later
      // marker inside tells the two apart.
      if (next_marker(at + 1) == bytes.size()) {
        out.cut_short = true;
        break;
      }
      ++out.damaged;
      at = next_marker(at + 1);
      continue;
    }
    const auto payload = bytes.subspan(at + header, length);
    Record record;
    if (GetU32(bytes, at + header + length) != Crc32(payload)) {
      ++out.damaged;
      at = next_marker(at + 1);
      continue;
    }
    if (!ParsePayload(payload, record)) {
      ++out.unknown;
      at += header + length + 4;
      continue;
    }
    out.records.push_back(std::move(record));
    at += header + length + 4;
  }
  return out;
}

}  // namespace qb::journal
