#include "systems/win32/tests/converter_window.h"

#include "tests/person/noted_converter_dlg.h"
#include "ui/converter_app.h"
#include "ui/converter_dlg.h"

namespace radixel::testing {

struct ConverterWindow::Dialog {
  NotedConverterDlg dlg;
};

ConverterWindow::ConverterWindow() : dialog_(std::make_unique<Dialog>()) { dialog_->dlg.Create(); }

ConverterWindow::~ConverterWindow() = default;

platform::WindowHandle ConverterWindow::Handle() const { return dialog_->dlg.m_hWnd; }

int ConverterWindow::ChangeNotifications(int id) const {
  return dialog_->dlg.ChangeNotifications(id);
}

std::intptr_t RunConverterModal() {
  CConverterDlg dlg;
  return dlg.DoModal();
}

int RunApplication() {
  CConverterApp app;
  return AfxWinMain();
}

}  // namespace radixel::testing
