// What data exchange found for one window, kept while the window lives so
// that it finds no control by its id again: for each of the exchange list's
// first entries, in the list's order, an edit box's text (through
// FastItemAccess) or a radio group's range of ids and its check marks.
// Private to CWnd, which keeps the slots, and data exchange, which fills
// and reads them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/fast_item_access.h"
#include "platform/window_system.h"

namespace radixel::platform {

struct ExchangeSlot {
  std::uint64_t key = 0;    // ExchangeKey of the entry; 0 for none
  EditText* box = nullptr;  // an edit box's entry, where FastItemAccess keeps its text
  bool radioRange = false;  // a radio group's entry: its ids run
  int radioFirst = 0;       // from radioFirst to radioLast
  int radioLast = 0;
  std::uint64_t* radioChecks = nullptr;  // and its check marks are kept here, or null
};

// An entry's control id and kind as one number, never 0.
constexpr std::uint64_t ExchangeKey(int nIDC, bool radio) {
  return (std::uint64_t{radio ? 2u : 1u} << 32) | static_cast<std::uint32_t>(nIDC);
}

class ExchangeSlots {
 public:
  // As data exchange starts for `window`: the slot of the list's first
  // entry (what was kept for another window is forgotten first).
  ExchangeSlot* Begin(WindowHandle window) {
    if (window_ != window) Forget(window);
    return slots_;
  }
  // Keeps `found` in slot `next` and moves `next` on; past the last slot
  // kept, `found` goes into the spare one after it, which keeps nothing
  // (entries past the last slot are looked up every time).
  ExchangeSlot& Keep(ExchangeSlot*& next, ExchangeSlot found) {
    ExchangeSlot* const spare = slots_ + kKept;
    if (next == spare) {
      found.key = 0;
      return *spare = found;
    }
    return *next++ = found;
  }
  // Forgets every slot; they are then for `window`.
  void Forget(WindowHandle window) {
    for (ExchangeSlot& slot : slots_) slot = {};
    window_ = window;
  }

 private:
  static constexpr std::size_t kKept = 8;
  ExchangeSlot slots_[kKept + 1];
  WindowHandle window_ = nullptr;  // the window they were found in
};

}  // namespace radixel::platform
