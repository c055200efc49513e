// A long text pasted into the Qt window's input box, then OK: for 1 MB and
// 20 MB (a "1" after zeros, "Hex to Dec", which gives "1."), the time the
// paste and the press each hold the window (it answers nothing meanwhile),
// and the process's peak resident memory after each size. The peer is the
// same press on the headless window, which shows the conversion's own cost.
// Run offscreen (QT_QPA_PLATFORM=offscreen) or on a display; the smaller
// size runs first, since the peak only grows.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "engine/conversion_form.h"
#include "platform/headless/headless_window_system.h"
#include "platform/module_scope.h"
#include "res/resource_ids.h"
#include "res/resources.h"
#include "systems/qt/lib/dialog_window.h"
#include "systems/qt/lib/qt_window_system.h"
#include "ui/converter_press.h"

namespace {

namespace platform = radixel::platform;
using Clock = std::chrono::steady_clock;

std::string LongInput(std::int64_t bytes) {
  std::string text(static_cast<std::size_t>(bytes), '0');
  text.back() = '1';
  return text;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double PeakMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::map<std::int64_t, double> g_headlessMs;

void BM_HeadlessPress(benchmark::State& state) {
  platform::HeadlessWindowSystem ws;
  const platform::ModuleScope module(ws, radixel::res::Module());
  CConversionForm form(IDD_CONVERTER_DIALOG);
  form.Create();
  const std::string input = LongInput(state.range(0));
  for (auto _ : state) {
    const auto start = Clock::now();
    const radixel::ui::BoxesView boxes = radixel::ui::Press(ws, form.m_hWnd, MODE_HEX_TO_DEC, input);
    const double ms = Ms(Clock::now() - start);
    if (boxes.output != "1.") state.SkipWithError("the output box does not show 1.");
    state.SetIterationTime(ms / 1000.0);
    g_headlessMs[state.range(0)] = ms;
  }
}

void BM_QtPasteThenOk(benchmark::State& state) {
  platform::qt::QtWindowSystem ws;
  const platform::ModuleScope module(ws, radixel::res::Module());
  CConversionForm form(IDD_CONVERTER_DIALOG);
  form.Create();
  platform::qt::DialogWindow& window = *ws.Window(form.m_hWnd);
  window.show();
  QApplication::processEvents();
  auto* input = qobject_cast<QLineEdit*>(window.Control(IDC_INPUT));
  auto* hexToDec = qobject_cast<QAbstractButton*>(window.Control(IDC_HEX_TO_DEC));
  auto* ok = qobject_cast<QAbstractButton*>(window.Control(IDOK));
  const QString text = QString::fromStdString(LongInput(state.range(0)));
  for (auto _ : state) {
    const auto start = Clock::now();
    input->setText(text);  // as a paste sets it
    QApplication::processEvents();
    const auto pasted = Clock::now();
    hexToDec->click();
    ok->click();
    QApplication::processEvents();
    const auto done = Clock::now();
    if (window.Text(IDC_OUTPUT) != "1.") state.SkipWithError("the output box does not show 1.");
    state.SetIterationTime(Ms(done - start) / 1000.0);
    state.counters["paste_ms"] = Ms(pasted - start);
    state.counters["ok_ms"] = Ms(done - pasted);
    state.counters["peak_MB"] = PeakMb();
    state.counters["text_MB"] = static_cast<double>(state.range(0)) / (1 << 20);
    std::printf("Qt window, %lld MB: paste %.0f ms, OK to result %.0f ms, peak %.0f MB; "
                "%.1f x the headless press (%.0f ms)\n",
                static_cast<long long>(state.range(0) >> 20), Ms(pasted - start), Ms(done - pasted),
                PeakMb(), Ms(done - start) / g_headlessMs[state.range(0)], g_headlessMs[state.range(0)]);
  }
}

// Each size's peer first, then the window; 1 MB before 20 MB.
#define RADIXEL_LONG_TEXT(bytes)                                                             \
  BENCHMARK(BM_HeadlessPress)->Arg(bytes)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond); \
  BENCHMARK(BM_QtPasteThenOk)->Arg(bytes)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond)
RADIXEL_LONG_TEXT(1 << 20);
RADIXEL_LONG_TEXT(20 << 20);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
