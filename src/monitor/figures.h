#pragma once
// The number formats of the monitor and information pages.
#include <cstdint>
#include <string>

namespace qb::monitor {

inline constexpr double kBytesPerMegabyte = 1048576.0;

// "#,###": rounded to a whole number, thousands separated by commas; a value that rounds
// to 0 gives the empty text.
std::string FormatThousands(double value);
// "#": as above without separators.
std::string FormatWhole(double value);
// The whole number at the start of a text written by the formats above ("1,234 MB" ->
// 1234); 0 when the text does not start with a digit.
int64_t LeadingNumber(const std::string& text);

// The memory total as the page shows it: the formatted megabytes read back, plus one, so a
// total the system reports a little short of its size (255.6 MB) still shows above it.
int64_t ShownTotalMegabytes(uint64_t total_bytes);

// A byte count in the largest unit (up to largest_unit: 0 Bytes .. 4 TB) that still leaves
// more than 1 of it (up to 5, PB), with up to four decimals: 1,536 -> "1.5 KB", 268,435,456 -> "256 MB".
std::string SizeText(uint64_t bytes, int largest_unit);

// The same as its plain number and its unit (0 bytes .. 5 PB), for the page to say in the
// user's language: 1,536 -> {"1.5", 1}.
struct SizeParts {
  std::string number;
  int unit = 0;
};
SizeParts SizeIn(uint64_t bytes, int largest_unit);

}  // namespace qb::monitor
