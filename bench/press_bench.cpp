// One complete OK press per mode on the headless window, as a person makes
// it: type an 8-character input, click the mode's radio button, click OK
// (data exchange in, conversion, data exchange out). Besides the time, it
// reports the heap allocations per press, and how many of them the
// conversion operations made outside the data exchange.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/support/allocation_count.h"
#include "engine/conversion_form.h"
#include "platform/headless/headless_window_system.h"
#include "res/resource_ids.h"

namespace {

using radixel::testing::AllocationCount;

// The engine's dialog, counting the allocations its data exchange makes.
class MeasuredForm : public CConversionForm {
 public:
  MeasuredForm() : CConversionForm(IDD_CONVERTER_DIALOG) {}
  std::uint64_t exchangeAllocations = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    const std::uint64_t before = AllocationCount();
    CConversionForm::DoDataExchange(pDX);
    exchangeAllocations += AllocationCount() - before;
  }
};

struct Press {
  int mode;
  const char* input;
  const char* output;  // what the output box must show
  const char* errors = "";
};

void BM_Press(benchmark::State& state, Press press) {
  radixel::platform::HeadlessWindowSystem ws;
  radixel::platform::InstallWindowSystem(&ws);
  MeasuredForm form;
  form.Create();
  const int radio = IDC_HEX_TO_DEC + press.mode;

  ws.Type(IDC_INPUT, press.input);
  ws.Click(radio);
  ws.Click(IDOK);
  const std::string output = ws.GetItemText(form.m_hWnd, IDC_OUTPUT);
  const std::string errors = ws.GetItemText(form.m_hWnd, IDC_ERRORS);
  if (output != press.output || errors != press.errors) {
    state.SkipWithError(("unexpected output \"" + output + "\", errors \"" + errors + "\"").c_str());
  }

  std::uint64_t pressAllocations = 0;
  std::uint64_t okAllocations = 0;
  form.exchangeAllocations = 0;
  for (auto _ : state) {
    const std::uint64_t start = AllocationCount();
    ws.Type(IDC_INPUT, press.input);
    ws.Click(radio);
    const std::uint64_t beforeOk = AllocationCount();
    ws.Click(IDOK);
    const std::uint64_t end = AllocationCount();
    pressAllocations += end - start;
    okAllocations += end - beforeOk;
  }
  using benchmark::Counter;
  state.counters["allocs"] = Counter(static_cast<double>(pressAllocations), Counter::kAvgIterations);
  state.counters["conv_allocs"] = Counter(
      static_cast<double>(okAllocations - form.exchangeAllocations), Counter::kAvgIterations);

  form.DestroyWindow();
  radixel::platform::InstallWindowSystem(nullptr);
}

BENCHMARK_CAPTURE(BM_Press, HexToDec, Press{MODE_HEX_TO_DEC, "7fffffff", "2147483647."});
BENCHMARK_CAPTURE(BM_Press, HexToBin, Press{MODE_HEX_TO_BIN, "000000ff", "11111111"});
BENCHMARK_CAPTURE(BM_Press, DecToHex, Press{MODE_DEC_TO_HEX, "99999999", "5F5E0FF"});
BENCHMARK_CAPTURE(BM_Press, DecToBin, Press{MODE_DEC_TO_BIN, "00000255", "11111111"});
BENCHMARK_CAPTURE(BM_Press, BinToHex, Press{MODE_BIN_TO_HEX, "11111111", "FF"});
BENCHMARK_CAPTURE(BM_Press, BinToDec, Press{MODE_BIN_TO_DEC, "11111111", "255."});
// A press that shows a message: its text is longer than a short string holds.
BENCHMARK_CAPTURE(BM_Press, DecToBinOutOfRange,
                  Press{MODE_DEC_TO_BIN, "99999999", "00000000", kMsgRange});

}  // namespace

BENCHMARK_MAIN();
