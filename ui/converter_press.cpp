#include "ui/converter_press.h"

#include "platform/messages.h"
#include "res/resource_ids.h"

namespace radixel::ui {

void TypeAndChoose(HeadlessWindowSystem& ws, int mode, std::string_view input) {
  ws.Type(IDC_INPUT, input);
  ws.Click(IDC_HEX_TO_DEC + mode);
}

void ClickOk(HeadlessWindowSystem& ws) { ws.Click(platform::msg::kIdOk); }

BoxesView ReadBoxes(const HeadlessWindowSystem& ws, WindowHandle dialog) {
  return {ws.ItemText(dialog, IDC_INPUT), ws.ItemText(dialog, IDC_OUTPUT),
          ws.ItemText(dialog, IDC_ERRORS)};
}

BoxesView Press(HeadlessWindowSystem& ws, WindowHandle dialog, int mode, std::string_view input) {
  TypeAndChoose(ws, mode, input);
  ClickOk(ws);
  return ReadBoxes(ws, dialog);
}

BoxHolders FindBoxes(HeadlessWindowSystem& ws, WindowHandle dialog) {
  return {ws.ItemTextHolder(dialog, IDC_INPUT), ws.ItemTextHolder(dialog, IDC_OUTPUT),
          ws.ItemTextHolder(dialog, IDC_ERRORS)};
}

BoxesView Press(HeadlessWindowSystem& ws, const BoxHolders& boxes, int mode,
                std::string_view input) {
  TypeAndChoose(ws, mode, input);
  ClickOk(ws);
  return View(boxes);
}

}  // namespace radixel::ui
