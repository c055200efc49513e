#include "tests/win32/converter_window.h"

#include "ui/converter_app.h"
#include "ui/converter_dlg.h"

namespace radixel::testing {

struct ConverterWindow::Dialog {
  CConverterDlg dlg;
};

ConverterWindow::ConverterWindow() : dialog_(std::make_unique<Dialog>()) { dialog_->dlg.Create(); }

ConverterWindow::~ConverterWindow() = default;

platform::WindowHandle ConverterWindow::Handle() const { return dialog_->dlg.m_hWnd; }

std::intptr_t RunConverterModal() {
  CConverterDlg dlg;
  return dlg.DoModal();
}

int RunApplication() {
  CConverterApp app;
  return AfxWinMain();
}

}  // namespace radixel::testing
