// The program's main dialog as the person-level drivers open it, counting
// the change notifications (EN_CHANGE) each box sends it, so that the
// shared cases can tell a person's edit from the program's own writes.
#pragma once

#include <map>

#include "ui/converter_dlg.h"

namespace radixel::testing {

class NotedConverterDlg : public CConverterDlg {
 public:
  int ChangeNotifications(int id) const {
    const auto it = changes_.find(id);
    return it == changes_.end() ? 0 : it->second;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) ++changes_[static_cast<int>(LOWORD(wParam))];
    return CConverterDlg::WindowProc(message, wParam, lParam);
  }

 private:
  std::map<int, int> changes_;
};

}  // namespace radixel::testing
