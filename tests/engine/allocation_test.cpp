// The conversion operations make no heap allocation of their own: once a
// window has shown a press's texts, repeating that press allocates nothing
// outside the data exchange (which copies the boxes' texts in and out).
// This executable replaces the global operator new to count allocations.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <ostream>
#include <string>

#include "engine/conversion_form.h"
#include "platform/headless/headless_window_system.h"
#include "res/resource_ids.h"

namespace {
std::uint64_t g_allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

// The engine's dialog, counting the allocations its data exchange makes.
class MeasuredForm : public CConversionForm {
 public:
  MeasuredForm() : CConversionForm(IDD_CONVERTER_DIALOG) {}
  std::uint64_t exchangeAllocations = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    const std::uint64_t before = g_allocations;
    CConversionForm::DoDataExchange(pDX);
    exchangeAllocations += g_allocations - before;
  }
};

struct PressCase {
  const char* name;
  int mode;
  std::string input;
};

void PrintTo(const PressCase& c, std::ostream* os) {
  *os << c.name << ": mode " << c.mode << ", input \"" << c.input << "\"";
}

class ConversionAllocationTest : public ::testing::TestWithParam<PressCase> {
 protected:
  ConversionAllocationTest() {
    radixel::platform::InstallWindowSystem(&ws_);
    form_.Create();
  }
  ~ConversionAllocationTest() override {
    form_.DestroyWindow();
    radixel::platform::InstallWindowSystem(nullptr);
  }

  // Allocations the OK press made outside the data exchange.
  std::uint64_t ConversionAllocations() {
    ws_.Type(IDC_INPUT, GetParam().input);
    ws_.Click(IDC_HEX_TO_DEC + GetParam().mode);
    form_.exchangeAllocations = 0;
    const std::uint64_t before = g_allocations;
    ws_.Click(IDOK);
    return g_allocations - before - form_.exchangeAllocations;
  }

  radixel::platform::HeadlessWindowSystem ws_;
  MeasuredForm form_;
};

TEST_P(ConversionAllocationTest, RepeatedPressAllocatesNothing) {
  ConversionAllocations();  // the first press may size the message texts
  EXPECT_EQ(ConversionAllocations(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    EightCharacters, ConversionAllocationTest,
    ::testing::Values(PressCase{"HexToDec", MODE_HEX_TO_DEC, "7fffffff"},
                      PressCase{"HexToBin", MODE_HEX_TO_BIN, "000000ff"},
                      PressCase{"DecToHex", MODE_DEC_TO_HEX, "99999999"},
                      PressCase{"DecToBin", MODE_DEC_TO_BIN, "00000255"},
                      PressCase{"BinToHex", MODE_BIN_TO_HEX, "11111111"},
                      PressCase{"BinToDec", MODE_BIN_TO_DEC, "11111111"},
                      PressCase{"IllegalHexToBin", MODE_HEX_TO_BIN, "1g"},
                      PressCase{"IllegalBinToHex", MODE_BIN_TO_HEX, "12345678"},
                      PressCase{"OutOfRange", MODE_DEC_TO_BIN, "99999999"},
                      PressCase{"TooLong", MODE_HEX_TO_DEC, "123456789"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
