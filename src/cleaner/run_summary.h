#pragma once
// What a run tells its user beyond the two counts: entries it left and why, removals
// Windows refused, and where the backup went when it is not beside the program. One text
// per run, shared by the window (in the user's language) and the console program (in English).
#include <string>
#include <vector>

#include "cleaner/repair.h"
#include "language/wording.h"

namespace qb::cleaner {

// One line per thing to say, in the order a reader needs them; empty when the counts say
// it all. Said in English unless told otherwise.
std::vector<std::string> RunNotes(const ScanResult& scan, const RepairOutcome& outcome,
                                  const language::Wording& say = language::InEnglish);

// Whether the notes report something left undone (rather than only where the backup is).
bool RunLeftWork(const ScanResult& scan, const RepairOutcome& outcome);

}  // namespace qb::cleaner
