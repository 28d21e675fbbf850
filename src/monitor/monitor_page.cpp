#include "monitor/monitor_page.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "language/numbers.h"
#include "language/wording.h"
#include "monitor/figures.h"
#include "monitor/performance_data.h"

namespace qb::monitor {

namespace {

constexpr int kSlowestTickPlusFastest = 1300;  // Speed 300 -> 1000 ms, 1000 -> 300 ms

// The system's table of counter names: pairs of title index and name, the processor
// object among them where the system has one.
const RegKeyPath kCounterNames{RegRoot::LocalMachine,
                               "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib\\009"};

// A table that names no processor object means performance data without one, and asking
// for it would only make the system load every counter provider it has for nothing (Wine's
// table names three entries). A table that cannot be read is no answer: the sampler asks.
bool NamesNoProcessorObject(Registry& registry) {
  RegValue names;
  if (registry.QueryValue(kCounterNames, "Counter", names) != status::kOk ||
      names.type != regtype::kMultiSz) {
    return false;
  }
  const std::vector<std::string> items = names.AsMultiString();
  const std::string processor = std::to_string(kProcessorObjectIndex);
  for (size_t i = 0; i + 1 < items.size(); i += 2) {
    if (items[i] == processor) return false;
  }
  return true;
}

}  // namespace

MonitorPage::MonitorPage(ui::Form& form, const Services& services)
    : form_(form), services_(services), processor_times_(services.system) {
  form_["Timer1"].on_timer = [this] { ProcessorTick(); };
  form_["Timer2"].on_timer = [this] { MemoryTick(); };
  form_["Slider1"].on_change = [this] { ZoomChanged(); };
  form_["Slider2"].on_change = [this] { SpeedChanged(); };
}

// The sampler is made here but first collects at the first tick: the first performance-data
// query loads the system's counter providers, work that has no place before the window is
// up. A sampler that cannot be made leaves the processor times.
void MonitorPage::Load() {
  try {
    sampler_ = std::make_unique<CPULoad>(services_.registry, services_.system);
  } catch (const std::exception&) {
    sampler_.reset();
  }
  if (!sampler_) processor_times_.Sample();
  usage_text_ = language::Say(services_, language::phrase::kProcessorUsage, {"%1"});

  if (services_.system.Memory(memory_)) {
    const int64_t total = ShownTotalMegabytes(memory_.total_physical);
    form_["Label5"].SetCaption(
        language::Say(services_, language::phrase::kMegabytes, {language::ShownNumber(services_, total)}));
    const int max = static_cast<int>(std::min<int64_t>(total, std::numeric_limits<int>::max()));
    form_["ProgressBar1"].SetRange(0, max);
    form_["ProgressBar2"].SetRange(0, max);
  }
}

void MonitorPage::ProcessorTick() {
  const std::optional<int> load = CurrentLoad();
  if (!load) return;
  history_.push_back(*load);
  while (history_.size() > kHistory) history_.pop_front();
  ShowGraph();
  form_["Label1"].SetCaption(std::to_string(*load) + " %");
  form_["cpuhist"].SetCaption(language::Fill(usage_text_, {std::to_string(*load)}));
}

// The graph and label show the average of all processors. A sampler that fails (counters
// disabled or damaged while running, malformed data) is replaced for good, and so is one
// that would ask a system whose counters name no processor.
std::optional<int> MonitorPage::CurrentLoad() {
  if (sampler_ && !sampler_collected_ && sampler_->ReadsPerformanceData() &&
      NamesNoProcessorObject(services_.registry)) {
    sampler_.reset();
    processor_times_.Sample();
    return std::nullopt;
  }
  if (sampler_) {
    try {
      return SamplerLoad();
    } catch (const std::exception&) {
      sampler_.reset();
      processor_times_.Sample();
      return std::nullopt;
    }
  }
  return processor_times_.Sample();
}

// The first collection compares with nothing: it only takes the starting point.
std::optional<int> MonitorPage::SamplerLoad() {
  sampler_->CollectCPUData();
  if (!sampler_collected_) {
    sampler_collected_ = true;
    return std::nullopt;
  }
  const int32_t count = sampler_->GetCPUCount();
  if (count < 1) return std::nullopt;
  double sum = 0;
  for (int32_t i = 0; i < count; ++i) {
    sum += std::clamp(sampler_->GetCPUUsage(i), 0, 100);
  }
  return static_cast<int>(std::nearbyint(sum / count));
}

void MonitorPage::ShowGraph() {
  const size_t shown = static_cast<size_t>(std::clamp(form_["Slider1"].Value(), 30, 100));
  const size_t from = history_.size() > shown ? history_.size() - shown : 0;
  form_["cpuhist"].SetPoints(std::vector<double>(history_.begin() + static_cast<long>(from),
                                                 history_.end()));
}

void MonitorPage::ZoomChanged() {
  if (!history_.empty()) ShowGraph();
}

void MonitorPage::SpeedChanged() {
  form_["Timer1"].SetInterval(kSlowestTickPlusFastest - form_["Slider2"].Value());
}

// Each figure is shown even when the one before could not be; a failed reading keeps the
// last figures the system gave.
void MonitorPage::MemoryTick() {
  services_.system.Memory(memory_);
  ui::Control& free_label = form_["label2"];
  // Written plainly first: the bar reads the figure from that, and the caption gets the
  // language's separators, in which "1.234" may be a thousand or a decimal.
  const std::string free_text =
      FormatWhole(static_cast<double>(memory_.available_physical) / kBytesPerMegabyte);
  const int64_t total = ShownTotalMegabytes(memory_.total_physical);
  free_label.SetCaption(language::Say(services_, language::phrase::kMegabytesOf,
                                      {language::ShownNumber(services_, free_text),
                                       language::ShownNumber(services_, total)}));
  const auto free_megabytes = LeadingNumber(free_text);
  if (free_megabytes == 0) free_label.SetCaption("0 " + free_label.Caption());

  if (memory_.total_physical > 0) {
    const double used = static_cast<double>(memory_.total_physical - memory_.available_physical) /
                        static_cast<double>(memory_.total_physical) * 100.0;
    form_["label4"].SetCaption(FormatWhole(used) + "%");
  }
  ui::Control& free_bar = form_["ProgressBar1"];
  free_bar.SetValue(static_cast<int>(
      std::clamp<int64_t>(free_megabytes, free_bar.Min(), free_bar.Max())));
  ui::Control& used_bar = form_["ProgressBar2"];
  const double used_share = static_cast<double>(LeadingNumber(form_["label4"].Caption())) / 100.0;
  used_bar.SetValue(std::clamp(static_cast<int>(std::lround(used_bar.Max() * used_share)),
                               used_bar.Min(), used_bar.Max()));
}

}  // namespace qb::monitor
