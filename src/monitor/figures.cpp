#include "monitor/figures.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace qb::monitor {

namespace {

std::string WithSeparators(const std::string& digits) {
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string Rounded(double value, bool separators) {
  const double rounded = std::round(std::fabs(value));  // half away from zero
  if (!(rounded >= 1)) return {};
  const std::string digits = std::to_string(static_cast<unsigned long long>(
      std::min(rounded, static_cast<double>(std::numeric_limits<unsigned long long>::max()))));
  return (value < 0 ? "-" : "") + (separators ? WithSeparators(digits) : digits);
}

// Fixed-point arithmetic with four decimals, rounding half to even at each division, the
// way the sizes have always been computed.
constexpr int64_t kFixedOne = 10'000;

int64_t DivideBy1024(int64_t units) {
  int64_t quotient = units / 1024;
  const int64_t remainder = units % 1024;
  if (remainder * 2 > 1024 || (remainder * 2 == 1024 && (quotient & 1))) ++quotient;
  return quotient;
}

std::string FixedText(int64_t units) {
  std::string text = std::to_string(units / kFixedOne);
  int64_t decimals = units % kFixedOne;
  if (decimals == 0) return text;
  std::string fraction = std::to_string(decimals);
  fraction.insert(0, 4 - fraction.size(), '0');
  while (fraction.back() == '0') fraction.pop_back();
  return text + "." + fraction;
}

}  // namespace

std::string FormatThousands(double value) { return Rounded(value, true); }
std::string FormatWhole(double value) { return Rounded(value, false); }

int64_t LeadingNumber(const std::string& text) {
  int64_t number = 0;
  for (char c : text) {
    if (c == ',') continue;
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    if (number > (std::numeric_limits<int64_t>::max() - 9) / 10) break;
    number = number * 10 + (c - '0');
  }
  return number;
}

int64_t ShownTotalMegabytes(uint64_t total_bytes) {
  return LeadingNumber(FormatThousands(static_cast<double>(total_bytes) / kBytesPerMegabyte)) + 1;
}

SizeParts SizeIn(uint64_t bytes, int largest_unit) {
  // Counts beyond the fixed-point range (over 900 TB) start one unit up.
  int unit = 0;
  constexpr uint64_t kLargestExact = std::numeric_limits<int64_t>::max() / kFixedOne;
  while (bytes > kLargestExact && unit != largest_unit) {
    bytes /= 1024;
    ++unit;
  }
  int64_t value = static_cast<int64_t>(std::min(bytes, kLargestExact)) * kFixedOne;
  int64_t look = value;
  while (look > kFixedOne && unit != largest_unit) {
    ++unit;
    value = DivideBy1024(value);
    look = DivideBy1024(value);
  }
  return {FixedText(value), unit};
}

std::string SizeText(uint64_t bytes, int largest_unit) {
  // Index 5 is named too: a count shown without a unit would be read wrongly.
  static constexpr const char* kUnits[] = {" Bytes", " KB", " MB", " GB", " TB", " PB"};
  const SizeParts size = SizeIn(bytes, largest_unit);
  return size.number + (size.unit >= 0 && size.unit < 6 ? kUnits[size.unit] : "");
}

}  // namespace qb::monitor
