// The conversion operations make no heap allocation of their own: once a
// window has shown a press's texts, repeating that press allocates nothing
// outside the data exchange (which copies the boxes' texts in and out).
// The executable links the counting operator new.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <ostream>
#include <string>

#include "engine/conversion_form.h"
#include "platform/headless/headless_window_system.h"
#include "res/resource_ids.h"
#include "tests/support/allocation_count.h"


namespace {

// The engine's dialog, counting the allocations its data exchange makes.
class MeasuredForm : public CConversionForm {
 public:
  MeasuredForm() : CConversionForm(IDD_CONVERTER_DIALOG) {}
  std::uint64_t exchangeAllocations = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    const std::uint64_t before = radixel::testing::AllocationCount();
    CConversionForm::DoDataExchange(pDX);
    exchangeAllocations += radixel::testing::AllocationCount() - before;
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
    const std::uint64_t before = radixel::testing::AllocationCount();
    ws_.Click(IDOK);
    return radixel::testing::AllocationCount() - before - form_.exchangeAllocations;
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
