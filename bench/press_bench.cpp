// One complete OK press per mode at the main window on the headless window
// system, as a person makes it: type an 8-character input, click the
// mode's radio button, click OK (data exchange in, conversion, data
// exchange out), read the three boxes through the window system, as
// radixel-cli reads them. Besides the time it reports the heap allocations
// per press, and at the end each mode's median against the budget: under
// 100 ns and no allocation.
//
// `radixel_bench --presses INDEX COUNT` instead makes COUNT presses of the
// INDEX-th press alone and prints its name, for counting instructions
// under callgrind (bench/press_instructions.sh).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/module_scope.h"
#include "res/resource_ids.h"
#include "res/resources.h"
#include "tests/support/allocation_count.h"
#include "ui/converter_dlg.h"
#include "ui/converter_press.h"

namespace {

using radixel::testing::AllocationCount;

constexpr double kBudgetNs = 100.0;

struct Press {
  int mode;
  const char* input;
  const char* output;  // what the output box must show
  std::string_view errors = "";
  const char* suffix = "";  // after the mode's name, for a second press of a mode
};

const Press kPresses[] = {
    {MODE_HEX_TO_DEC, "7fffffff", "2147483647."},
    {MODE_HEX_TO_BIN, "000000ff", "11111111"},
    {MODE_DEC_TO_HEX, "99999999", "5F5E0FF"},
    {MODE_DEC_TO_BIN, "00000255", "11111111"},
    {MODE_BIN_TO_HEX, "11111111", "FF"},
    {MODE_BIN_TO_DEC, "11111111", "255."},
    // A press that shows a message: its text is longer than a short string holds.
    {MODE_DEC_TO_BIN, "99999999", "00000000", kMsgRange, "OutOfRange"},
};

std::string PressName(const Press& press) {
  return "BM_Press/" + std::string(kModes[static_cast<std::size_t>(press.mode)].name) + press.suffix;
}

// What the press shows, when it is not what it should: its first press
// must show it.
std::string Unexpected(const radixel::ui::BoxesView& boxes, const Press& press) {
  if (boxes.output == press.output && boxes.errors == press.errors) return {};
  return "unexpected output \"" + std::string(boxes.output) + "\", errors \"" +
         std::string(boxes.errors) + "\"";
}

void BM_Press(benchmark::State& state, const Press& press) {
  namespace platform = radixel::platform;
  namespace ui = radixel::ui;
  platform::HeadlessWindowSystem ws;
  const platform::ModuleScope module(ws, radixel::res::Module());
  CConverterDlg form;
  form.Create();

  const std::string unexpected = Unexpected(ui::Press(ws, form.m_hWnd, press.mode, press.input), press);
  if (!unexpected.empty()) state.SkipWithError(unexpected.c_str());

  const std::uint64_t start = AllocationCount();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ui::Press(ws, form.m_hWnd, press.mode, press.input));
  }
  state.counters["allocs"] = benchmark::Counter(static_cast<double>(AllocationCount() - start),
                                                benchmark::Counter::kAvgIterations);
  form.DestroyWindow();
}

// Prints the usual table and keeps each press's median for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  struct Median {
    double cpuNs;
    double allocs;
  };
  std::map<std::string, Median> medians;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.aggregate_name != "median" && run.run_type != Run::RT_Iteration) continue;
      if (run.run_type == Run::RT_Iteration && medians.count(run.run_name.function_name)) continue;
      const auto allocs = run.counters.find("allocs");
      medians[run.run_name.function_name] = {run.GetAdjustedCPUTime(),
                                     allocs == run.counters.end() ? 0.0 : allocs->second.value};
    }
  }
};

// COUNT presses of one press alone, for callgrind; prints the press's name.
// Status 1 when the press shows what it should not, 3 when there is no
// such press.
int CountedPresses(std::size_t index, long count) {
  namespace platform = radixel::platform;
  namespace ui = radixel::ui;
  if (index >= std::size(kPresses) || count < 1) return 3;  // no such press
  const Press& press = kPresses[index];
  platform::HeadlessWindowSystem ws;
  const platform::ModuleScope module(ws, radixel::res::Module());
  CConverterDlg form;
  form.Create();
  const std::string unexpected = Unexpected(ui::Press(ws, form.m_hWnd, press.mode, press.input), press);
  if (!unexpected.empty()) {
    std::fprintf(stderr, "%s: %s\n", PressName(press).c_str(), unexpected.c_str());
    return 1;
  }
  for (long i = 1; i < count; ++i) {
    benchmark::DoNotOptimize(ui::Press(ws, form.m_hWnd, press.mode, press.input));
  }
  form.DestroyWindow();
  std::printf("%s\n", PressName(press).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string_view(argv[1]) == "--presses") {
    return CountedPresses(std::strtoul(argv[2], nullptr, 10), std::strtol(argv[3], nullptr, 10));
  }
  for (const Press& press : kPresses) {
    benchmark::RegisterBenchmark(PressName(press).c_str(), BM_Press, press)->Repetitions(5);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::printf("\nOne OK press (median CPU time of 5 runs; budget: under %.0f ns, no allocation):\n",
              kBudgetNs);
  for (const auto& [name, median] : reporter.medians) {
    const bool met = median.cpuNs < kBudgetNs && median.allocs == 0.0;
    std::printf("  %-30s %6.0f ns, %.2f allocations: %s\n", name.c_str(), median.cpuNs,
                median.allocs, met ? "met" : "NOT met");
  }
  return 0;
}
