// A press makes no heap allocation: once a window has shown a press's
// texts, repeating the press (typing, clicking the mode, OK with its data
// exchange and conversions) allocates nothing. The executable links the
// counting operator new.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <ostream>
#include <string>

#include "engine/conversion_form.h"
#include "platform/module_scope.h"
#include "res/resource_ids.h"
#include "res/resources.h"
#include "tests/support/allocation_count.h"
#include "ui/converter_press.h"


namespace {

using radixel::testing::AllocationCount;

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
  ConversionAllocationTest() { form_.Create(); }
  ~ConversionAllocationTest() override { form_.DestroyWindow(); }

  // Allocations one whole press made.
  std::uint64_t PressAllocations() {
    const std::uint64_t before = AllocationCount();
    radixel::ui::Press(ws_, form_.m_hWnd, GetParam().mode, GetParam().input);
    return AllocationCount() - before;
  }

  radixel::platform::HeadlessWindowSystem ws_;
  radixel::platform::ModuleScope module_{ws_, radixel::res::Module()};
  CConversionForm form_{IDD_CONVERTER_DIALOG};
};

TEST_P(ConversionAllocationTest, RepeatedPressAllocatesNothing) {
  PressAllocations();  // the first press sizes the boxes and fields
  EXPECT_EQ(PressAllocations(), 0u);
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

// A long input is held twice, however many boxes and fields show it: once
// as typed (the input box, the input field and its saved copy) and once
// reversed (the output field and box). Every further copy is a further
// allocation.
TEST(LongInputAllocationTest, HeldAsTypedAndReversed) {
  radixel::platform::HeadlessWindowSystem ws;
  const radixel::platform::ModuleScope module(ws, radixel::res::Module());
  CConversionForm form{IDD_CONVERTER_DIALOG};
  form.Create();
  const std::string input(1000, '2');
  const std::uint64_t before = AllocationCount();
  const auto boxes = radixel::ui::Press(ws, form.m_hWnd, MODE_BIN_TO_DEC, input);
  EXPECT_EQ(AllocationCount() - before, 2u);
  EXPECT_EQ(boxes.output, input);
  form.DestroyWindow();
}

}  // namespace
