#include "support/headless_fixture.h"

#include <ostream>

#include "res/resource_ids.h"

namespace radixel::testing {

void PrintEscaped(std::string_view text, std::ostream* os) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  *os << '"';
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x20 || byte >= 0x7F) {
      *os << "\\x" << kHex[byte >> 4] << kHex[byte & 0xF];
    } else if (ch == '"' || ch == '\\') {
      *os << '\\' << ch;
    } else {
      *os << ch;
    }
  }
  *os << '"';
}

HeadlessWindowTest::HeadlessWindowTest() : form_(IDD_CONVERTER_DIALOG) { form_.Create(); }

HeadlessWindowTest::~HeadlessWindowTest() { form_.DestroyWindow(); }

Boxes HeadlessWindowTest::Press(int mode, std::string_view input) {
  return Keep(ui::Press(ws_, form_.m_hWnd, mode, input));
}

void HeadlessWindowTest::Type(int id, std::string_view text) { ws_.Type(id, text); }

void HeadlessWindowTest::Choose(int mode) { ws_.Click(IDC_HEX_TO_DEC + mode); }

void HeadlessWindowTest::PressOk() { ui::ClickOk(ws_); }

Boxes HeadlessWindowTest::Read() const { return Keep(ui::ReadBoxes(ws_, form_.m_hWnd)); }

int HeadlessWindowTest::CheckedMode() const {
  auto& ws = const_cast<platform::HeadlessWindowSystem&>(ws_);
  for (int mode = 0; mode < static_cast<int>(kModes.size()); ++mode) {
    if (ws.IsItemChecked(form_.m_hWnd, IDC_HEX_TO_DEC + mode)) return mode;
  }
  return -1;
}

}  // namespace radixel::testing

void radixel::ui::PrintTo(const Boxes& boxes, std::ostream* os) {
  *os << "{input ";
  testing::PrintEscaped(boxes.input, os);
  *os << ", output ";
  testing::PrintEscaped(boxes.output, os);
  *os << ", errors ";
  testing::PrintEscaped(boxes.errors, os);
  *os << "}";
}
