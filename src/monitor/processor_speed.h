#pragma once
// A measured clock rate named by the rating a processor of that speed is sold with.
#include <string>

namespace qb::monitor {

// The common rating nearest to a measured rate: whole hundreds of MHz and the multiples of
// the 133 and 166 MHz bus clocks (2394 -> 2400, 2660 -> 2666, 1830 -> 1833); below 1 GHz
// also the multiples of 33 and 50 MHz (232 -> 233, 448 -> 450). 0 for no measurement.
int NominalMhz(double measured_mhz);

// "2400 MHz", or empty when nothing was measured.
std::string NominalSpeedText(double measured_mhz);

}  // namespace qb::monitor
