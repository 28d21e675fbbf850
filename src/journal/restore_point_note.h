#pragma once
// The restore point of a run: asked of Windows once, before the run's first change, and its
// answer kept as a note in that change's action, so that the history says once whether a
// point stands for the run or why none does. No answer ever stops the change itself: the
// journal is the way back then.
#include <optional>

#include "journal/journal_record.h"
#include "platform/services.h"

namespace qb::journal {

// What the restore points are asked for by.
inline constexpr const char* kRestorePointDescription = "Quill Box";

// Asks services.restore_points for the point and keeps the answer as stored phrases, to be
// worded in the language of whoever reads the history. Windows answers a request within its interval
// with the number of the point it made earlier: a number no newer than the last point this
// journal saw made (earlier, a numbered note) is that point, named with its date when it
// is the same one, and never reported as made.
Record RestorePointNote(const Services& services, uint64_t action,
                        const LocalTime& now, const std::optional<Record>& earlier);

}  // namespace qb::journal
