#include "ui/converter_press.h"

#include "platform/dialog.h"
#include "platform/messages.h"
#include "platform/resources.h"
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

BoxStrings ReadBoxStrings(const HeadlessWindowSystem& ws, WindowHandle dialog) {
  return {ws.ItemString(dialog, IDC_INPUT), ws.ItemString(dialog, IDC_OUTPUT),
          ws.ItemString(dialog, IDC_ERRORS)};
}

bool HasBoxes(const CDialog& dialog) {
  const platform::DialogTemplate* const tmpl = dialog.GetTemplate();
  const auto isBox = [tmpl](int id) {
    const platform::ControlTemplate* c = tmpl ? tmpl->FindControl(id) : nullptr;
    return c != nullptr && c->cls == platform::ControlClass::kEdit;
  };
  return isBox(IDC_INPUT) && isBox(IDC_OUTPUT) && isBox(IDC_ERRORS);
}

}  // namespace radixel::ui
