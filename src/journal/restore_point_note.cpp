#include "journal/restore_point_note.h"

#include <cstdio>

#include "language/stored_phrase.h"

namespace qb::journal {

namespace {

namespace phrase = language::phrase;

std::vector<uint8_t> NumberBytes(int64_t number) {
  std::vector<uint8_t> bytes(8);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(uint64_t(number) >> (8 * i));
  return bytes;
}

int64_t NumberOf(const ItemState& state) {
  uint64_t number = 0;
  for (size_t i = 0; i < state.bytes.size() && i < 8; ++i) number |= uint64_t{state.bytes[i]} << (8 * i);
  return static_cast<int64_t>(number);
}

std::string DayText(const LocalTime& t) {
  char text[24];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
  return text;
}

}  // namespace

Record RestorePointNote(const Services& services, uint64_t action,
                        const LocalTime& now, const std::optional<Record>& earlier) {
  Record note;
  note.action = action;
  note.kind = ItemKind::Note;
  note.time = now;
  note.target = language::StorePhrase(phrase::kRestorePointHeading);
  int64_t number = 0;
  const Status answer = services.restore_points.Create(kRestorePointDescription, number);
  if (answer == status::kOk) {
    const std::string shown = std::to_string(number);
    if (!earlier || number > NumberOf(earlier->after)) {
      note.detail = language::StorePhrase(phrase::kRestorePointMade, {kRestorePointDescription, shown});
      note.after = ItemState::Of(0, NumberBytes(number));
    } else if (number == NumberOf(earlier->after)) {
      note.detail = language::StorePhrase(phrase::kRestorePointKeptFrom, {shown, DayText(earlier->time)});
    } else {
      note.detail = language::StorePhrase(phrase::kRestorePointKept, {shown});
    }
    return note;
  }
  switch (answer) {
    case status::kServiceDisabled:
      note.detail = language::StorePhrase(phrase::kRestorePointOff);
      break;
    case status::kAccessDenied:
    case status::kPrivilegeNotHeld:
      note.detail = language::StorePhrase(phrase::kRestorePointNeedsAdministrator);
      break;
    case status::kModNotFound:
    case status::kProcNotFound:
      note.detail = language::StorePhrase(phrase::kRestorePointNone);
      break;
    default:
      note.detail = language::StorePhrase(phrase::kRestorePointRefusedBecause,
                                          {services.environment.ErrorText(answer)});
  }
  note.detail += language::StorePhrase(phrase::kRestorePointJournalStill);
  return note;
}

}  // namespace qb::journal
