#pragma once
// How the Drives page writes byte counts and shares: three significant figures and a unit,
// the same style from bytes up to petabytes.
#include <cstdint>
#include <string>

namespace qb::disk {

// low + high x 2^32, each half read as unsigned.
double JoinHalves(uint32_t low, uint32_t high);

// Three significant figures: 100 and above as a whole number (ties to even), 10 to below
// 100 with one decimal, below 10 with two.
std::string ShortNumber(double value);

// "500 bytes", "1.50 KB", "24.4 MB", "112 GB", "1.82 TB"; a unit holds up to 999 of itself.
std::string SizeText(double bytes);

// The same as its plain number and unit (0 bytes, 1 KB .. 5 PB), for the page to say in
// the user's language: 25600000 -> {"24.4", 2}.
struct SizeParts {
  std::string number;
  int unit = 0;
};
SizeParts SizeIn(double bytes);

// A share as a percentage with two decimals: 0.4567 -> "45.67%".
std::string PercentText(double ratio);
// Its number alone: 0.4567 -> "45.67".
std::string PercentNumber(double ratio);

}  // namespace qb::disk
