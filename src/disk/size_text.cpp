#include "disk/size_text.h"

#include <cmath>
#include <cstdio>

namespace qb::disk {

namespace {

std::string Printed(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

double JoinHalves(uint32_t low, uint32_t high) {
  return static_cast<double>(low) + static_cast<double>(high) * 4294967296.0;
}

std::string ShortNumber(double value) {
  // nearbyint rounds in the current mode, which is to nearest with ties to even.
  if (value >= 100) return Printed("%.0f", std::nearbyint(value));
  if (value >= 10) return Printed("%.1f", value);
  return Printed("%.2f", value);
}

SizeParts SizeIn(double bytes) {
  if (bytes <= 999) return {Printed("%.0f", std::nearbyint(bytes)), 0};
  // Each unit takes the counts up to 999 of itself; a larger disk than the last bound is
  // still written in the last unit rather than as nothing.
  constexpr int kLastUnit = 5;
  double unit = 1024;
  for (int i = 1; i < kLastUnit; ++i, unit *= 1024) {
    if (bytes <= 999 * unit) return {ShortNumber(bytes / unit), i};
  }
  return {ShortNumber(bytes / unit), kLastUnit};
}

std::string SizeText(double bytes) {
  static constexpr const char* kUnits[] = {" bytes", " KB", " MB", " GB", " TB", " PB"};
  const SizeParts size = SizeIn(bytes);
  return size.number + kUnits[size.unit];
}

std::string PercentNumber(double ratio) { return Printed("%.2f", ratio * 100); }

std::string PercentText(double ratio) { return PercentNumber(ratio) + "%"; }

}  // namespace qb::disk
