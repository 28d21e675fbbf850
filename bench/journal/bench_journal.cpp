// What the journal of changes costs an Apply, through the plain services and through the
// journaled ones inside an action, alternately, round after round, each figure an Apply
// there and one back:
// - the bare registry writes of the Start Menu page's seven restrictions, the worst case:
//   nothing but small writes, each one recorded before it is made;
// - the Input page's Apply as the user's click runs it (registry values, the system told with
//   its change broadcast), the mouse speed and double-click time changed each round.
// Prints the median of each, their spread (the quartiles) and the ratio of the medians; the
// budget is 1.10.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_form_layout.h"
#include "journal/journal_place.h"
#include "platform/win32/win32_machine.h"
#include "tweaks/input_page.h"
#include "tweaks/start_menu_page.h"
#include "tweaks/unsaved_changes.h"

namespace {

double NowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Spread {
  double low, median, high;
};

Spread SpreadOf(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const auto at = [&](double q) { return times[static_cast<size_t>(q * (times.size() - 1))]; };
  return {at(0.25), at(0.5), at(0.75)};
}

void Report(const char* what, int rounds, const std::vector<double>& plain,
            const std::vector<double>& recorded) {
  const Spread a = SpreadOf(plain), b = SpreadOf(recorded);
  std::printf("%s, %d rounds each, alternating\n", what, rounds);
  std::printf("  plain:     median %.3f ms (quartiles %.3f .. %.3f)\n", a.median, a.low, a.high);
  std::printf("  journaled: median %.3f ms (quartiles %.3f .. %.3f)\n", b.median, b.low, b.high);
  std::printf("  ratio of medians: %.3f (quartile ratios %.3f .. %.3f; budget 1.10)\n",
              b.median / a.median, b.low / a.high, b.high / a.low);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace qb;
  const int rounds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 200;
  win32::Win32Machine machine;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string journal_path = std::string(temp) + "qb_bench_journal.qbj";
  DeleteFileA(journal_path.c_str());
  journal::JournaledServices journaled(machine.services(), journal_path);
  auto form = app::CreateMainForm();
  tweaks::LoadStartMenuPage(*form, machine.services());

  // One Apply with every box turned over, so that each one writes all seven values.
  const auto apply = [&](Registry& registry) {
    for (const auto& binding : tweaks::kStartMenuRestrictionBindings) {
      ui::Control& box = (*form)[binding.control];
      box.SetValue(box.Value() == 1 ? 0 : 1);
    }
    tweaks::UnsavedChanges unsaved;
    const double start = NowMs();
    tweaks::ApplyBindings(*form, registry, tweaks::kStartMenuRestrictionBindings, unsaved);
    return NowMs() - start;
  };
  // Turning the boxes on and turning them off cost differently (a value written, a value
  // removed): each figure is one Apply of each, so that both sides time the same work and
  // every round leaves the values as they were found.
  std::vector<double> plain, recorded;
  for (int round = 0; round < rounds; ++round) {
    plain.push_back(apply(machine.registry) + apply(machine.registry));
    double both = 0;
    for (int turn = 0; turn < 2; ++turn) {
      const journal::ActionScope scope(&journaled.journal(), [] { return "Start Menu"; },
                                       form.get(), machine.clock, nullptr);
      both += apply(journaled.registry());
    }
    recorded.push_back(both);
  }
  Report("Start Menu restrictions, 7 registry values on and off", rounds, plain, recorded);

  // The Input page: each Apply moves the sliders between where they were found and one step
  // beside, an even number of times, so the machine ends as it was.
  tweaks::LoadInputPage(*form, machine.services());
  const char* const sliders[] = {"SpeedSlider", "DoubleSlider"};
  std::vector<int> found, beside;
  for (const char* slider : sliders) {
    const ui::Control& control = (*form)[slider];
    found.push_back(control.Value());
    beside.push_back(control.Value() == control.Min() ? control.Value() + 1 : control.Value() - 1);
  }
  const auto input_apply = [&](const Services& services) {
    for (size_t i = 0; i < 2; ++i) {
      ui::Control& control = (*form)[sliders[i]];
      control.SetValue(control.Value() == found[i] ? beside[i] : found[i]);
    }
    const double start = NowMs();
    tweaks::InputApply(*form, services, {});
    return NowMs() - start;
  };
  std::vector<double> input_plain, input_recorded;
  for (int round = 0; round < rounds; ++round) {
    input_plain.push_back(input_apply(machine.services()) + input_apply(machine.services()));
    double both = 0;
    for (int turn = 0; turn < 2; ++turn) {
      const journal::ActionScope scope(&journaled.journal(), [] { return "Input"; }, form.get(),
                                       machine.clock, nullptr);
      both += input_apply(journaled.services());
    }
    input_recorded.push_back(both);
  }
  Report("Input page Apply (mouse speed, double-click time) there and back", rounds, input_plain, input_recorded);
  // A journal that recorded nothing would make the figures above meaningless.
  std::printf("journal: %zu records kept for %d journaled Applies\n",
              journaled.journal().Load().records.size(), 4 * rounds);
  DeleteFileA(journal_path.c_str());
  return 0;
}
