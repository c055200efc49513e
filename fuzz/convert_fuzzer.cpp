// libFuzzer target: one OK press on a fresh headless window, from any mode
// (or none chosen), any input bytes and any text already in the output and
// error boxes. It checks what must hold after every press:
//  - the error box shows at most one message, and it is one of the three;
//  - the input box shows the input with a to z upper-cased, nothing else changed;
//  - the mode's radio button, and only it, is checked;
//  - the illegal-character and too-long messages appear exactly when the
//    input calls for them (too long over illegal, range over both);
//  - "Dec to Bin" and "Hex to Bin" show eight 0/1 digits when no message,
//    or the range message, is shown; with no message every mode's output
//    is a well-formed number of its radix;
//  - with no mode chosen, OK changes nothing.
// The sanitizers catch crashes, buffer overruns and out-of-range casts.
//
// Input layout (so seeds can be written by hand): the first byte picks the
// mode: '0' to '5' that mode, "*" none chosen, any other byte no mode or one of
// the six (-1 to 5).
// The rest is the old output text, a newline, the old error text, a
// newline, and the input, which runs to the end and may hold any byte. With
// fewer newlines the missing boxes start empty.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/conversion_form.h"
#include "platform/module_scope.h"
#include "res/resource_ids.h"
#include "res/resources.h"
#include "ui/converter_press.h"

namespace {

using radixel::ui::Boxes;

struct Press {
  int mode;
  std::string oldOutput;
  std::string oldErrors;
  std::string input;
};

Press Decode(const std::uint8_t* data, std::size_t size) {
  Press press{-1, "", "", ""};
  if (size == 0) return press;
  const std::uint8_t selector = data[0];
  constexpr int kModeCount = static_cast<int>(kModes.size());
  press.mode = (selector >= '0' && selector - '0' < kModeCount) ? selector - '0'
                                                                : selector % (kModeCount + 1) - 1;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t first = rest.find('\n');
  if (first == std::string_view::npos) {
    press.input = rest;
    return press;
  }
  const std::size_t second = rest.find('\n', first + 1);
  if (second == std::string_view::npos) {
    press.oldOutput = rest.substr(0, first);
    press.input = rest.substr(first + 1);
    return press;
  }
  press.oldOutput = rest.substr(0, first);
  press.oldErrors = rest.substr(first + 1, second - first - 1);
  press.input = rest.substr(second + 1);
  return press;
}

[[noreturn]] void Fail(const char* broken, const Press& press, const Boxes& boxes) {
  std::fprintf(stderr, "invariant broken: %s\nmode %d, input %zu bytes\n", broken, press.mode,
               press.input.size());
  std::fprintf(stderr, "input box \"%s\"\noutput box \"%s\"\nerror box \"%s\"\n",
               boxes.input.c_str(), boxes.output.c_str(), boxes.errors.c_str());
  std::abort();
}

std::string UpperCased(std::string text) {
  for (char& ch : text) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return text;
}

bool OnlyOf(std::string_view text, std::string_view set) {
  return text.find_first_not_of(set) == std::string_view::npos;
}

// The characters the first step of each mode accepts, after upper-casing.
std::string_view FirstStepSet(int mode) {
  if (mode == MODE_HEX_TO_DEC || mode == MODE_HEX_TO_BIN) return "0123456789ABCDEF";
  if (mode == MODE_DEC_TO_HEX || mode == MODE_DEC_TO_BIN) return "0123456789.";
  return "01";
}

bool IsEightBinaryDigits(std::string_view text) {
  return text.size() == 8 && OnlyOf(text, "01");
}

// A decimal result in fixed form: digits and one trailing point.
bool IsWholeDecimal(std::string_view text) {
  return text.size() >= 2 && text.back() == '.' &&
         OnlyOf(text.substr(0, text.size() - 1), "0123456789");
}

void CheckPress(const Press& press, const Boxes& before, const Boxes& after, int checked) {
  if (press.mode < 0) {
    if (after.input != before.input || after.output != before.output ||
        after.errors != before.errors || checked != -1) {
      Fail("OK with no mode chosen changed the window", press, after);
    }
    return;
  }
  const std::string_view errors = after.errors;
  if (!errors.empty() && errors != kMsgIllegal && errors != kMsgTooLong && errors != kMsgRange) {
    Fail("the error box holds something other than one message", press, after);
  }
  if (after.input != UpperCased(press.input)) Fail("the input box changed", press, after);
  if (checked != press.mode) Fail("the mode's radio button is not the one checked", press, after);

  const bool tooLong = press.input.size() > static_cast<std::size_t>(kMaxInputLength);
  const bool illegal = !OnlyOf(after.input, FirstStepSet(press.mode));
  if (tooLong && errors != kMsgTooLong && errors != kMsgRange) {
    Fail("a long input shows neither the too-long nor the range message", press, after);
  }
  if (!tooLong && errors == kMsgTooLong) Fail("a short input shows the too-long message", press, after);
  if (!tooLong && illegal && errors != kMsgIllegal) {
    Fail("a short illegal input does not show the illegal message", press, after);
  }
  if (!illegal && errors == kMsgIllegal) Fail("a legal input shows the illegal message", press, after);

  const bool toBinary = press.mode == MODE_HEX_TO_BIN || press.mode == MODE_DEC_TO_BIN;
  if (toBinary && (errors.empty() || errors == kMsgRange) && !IsEightBinaryDigits(after.output)) {
    Fail("a binary result is not eight binary digits", press, after);
  }
  if (errors == kMsgRange && after.output != kBinaryTemplate) {
    Fail("an out-of-range result is not all zeros", press, after);
  }
  if (errors.empty()) {
    const bool toDecimal = press.mode == MODE_HEX_TO_DEC || press.mode == MODE_BIN_TO_DEC;
    const bool toHex = press.mode == MODE_DEC_TO_HEX || press.mode == MODE_BIN_TO_HEX;
    if (toDecimal && !IsWholeDecimal(after.output)) Fail("a decimal result is malformed", press, after);
    if (toHex && (after.output.empty() || !OnlyOf(after.output, "0123456789ABCDEF"))) {
      Fail("a hexadecimal result is malformed", press, after);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Press press = Decode(data, size);

  radixel::platform::HeadlessWindowSystem ws;
  const radixel::platform::ModuleScope module(ws, radixel::res::Module());
  {
    CConversionForm form(IDD_CONVERTER_DIALOG);
    form.Create();
    ws.Type(IDC_OUTPUT, press.oldOutput);
    ws.Type(IDC_ERRORS, press.oldErrors);
    if (press.mode >= 0) {
      radixel::ui::TypeAndChoose(ws, press.mode, press.input);
    } else {
      ws.Type(IDC_INPUT, press.input);
    }
    const Boxes before = Keep(radixel::ui::ReadBoxes(ws, form.m_hWnd));
    radixel::ui::ClickOk(ws);
    const Boxes after = Keep(radixel::ui::ReadBoxes(ws, form.m_hWnd));
    int checked = -1;
    for (int mode = 0; mode < static_cast<int>(kModes.size()); ++mode) {
      if (ws.IsItemChecked(form.m_hWnd, IDC_HEX_TO_DEC + mode)) {
        if (checked != -1) Fail("two radio buttons are checked", press, after);
        checked = mode;
      }
    }
    CheckPress(press, before, after, checked);
    form.DestroyWindow();
  }
  return 0;
}
