#pragma once
// The "CPU && Memory" page: the processor-load graph with its label and Zoom and Speed
// sliders, and the physical-memory panel. Its two timers tick from start-up to closing,
// whether or not the page is shown.
#include <deque>
#include <memory>

#include "monitor/cpu_load.h"
#include "monitor/processor_times_load.h"
#include "platform/services.h"
#include "ui/form.h"

namespace qb::monitor {

class MonitorPage {
 public:
  // The graph keeps this many samples; the Zoom slider shows 30 to 100 of them.
  static constexpr size_t kHistory = 100;

  MonitorPage(ui::Form& form, const Services& services);
  MonitorPage(const MonitorPage&) = delete;
  MonitorPage& operator=(const MonitorPage&) = delete;

  // The start-up step: creates the sampler (which first collects at the first tick) and
  // shows the memory total.
  void Load();

  void ProcessorTick();
  void MemoryTick();
  void ZoomChanged();
  void SpeedChanged();

  // True once the sampler failed and the load comes from the processor times.
  bool MeasuresFromProcessorTimes() const { return !sampler_; }

 private:
  std::optional<int> CurrentLoad();
  std::optional<int> SamplerLoad();
  void ShowGraph();

  ui::Form& form_;
  Services services_;
  std::unique_ptr<CPULoad> sampler_;
  bool sampler_collected_ = false;
  ProcessorTimesLoad processor_times_;
  std::deque<double> history_;
  MemoryFigures memory_;
  // "Processor usage %1 %" in the chosen language, read once per load: the graph's window
  // text, which is its name and value for assistive technology.
  std::string usage_text_;
};

}  // namespace qb::monitor
