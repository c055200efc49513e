#include "support/headless_fixture.h"

#include <ostream>

#include "res/resource_ids.h"

namespace radixel::testing {

void PrintTo(const Boxes& boxes, std::ostream* os) {
  *os << "{input \"" << boxes.input << "\", output \"" << boxes.output << "\", errors \""
      << boxes.errors << "\"}";
}

HeadlessWindowTest::HeadlessWindowTest() : form_(IDD_CONVERTER_DIALOG) {
  platform::InstallWindowSystem(&ws_);
  form_.Create();
}

HeadlessWindowTest::~HeadlessWindowTest() {
  form_.DestroyWindow();
  platform::InstallWindowSystem(nullptr);
}

Boxes HeadlessWindowTest::Press(int mode, std::string_view input) {
  ws_.Type(IDC_INPUT, input);
  ws_.Click(IDC_HEX_TO_DEC + mode);
  ws_.Click(IDOK);
  return Read();
}

Boxes HeadlessWindowTest::Read() const {
  HWND h = form_.m_hWnd;
  auto& ws = const_cast<platform::HeadlessWindowSystem&>(ws_);
  return {ws.GetItemText(h, IDC_INPUT), ws.GetItemText(h, IDC_OUTPUT),
          ws.GetItemText(h, IDC_ERRORS)};
}

}  // namespace radixel::testing
