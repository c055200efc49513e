// The one optional interface of the window-system seam: quicker access to
// the controls' state, for data exchange alone. A window system that keeps
// a control's state in the program's own types (the headless one keeps an
// edit box's text as a CString and a radio group's check marks as one word)
// offers it through WindowSystem::FastAccess; data exchange then finds that
// state once per window and reads and sets it in place, with the results
// its WindowSystem calls would give. A window system that does not offer it
// is exchanged with through those calls alone.
//
// Setting state through it sends the program no notification, as with
// SetItemText and CheckItem.
#pragma once

#include <cstdint>

#include "platform/cstring.h"
#include "platform/window_system.h"

namespace radixel::platform {

// An edit box's text as the window system keeps it, and the field data
// exchange last read it into or set it from (null before any exchange).
// The window system may give that field the text a person types over a
// long text the two still share, so that the text typed over is let go
// at once (HeadlessWindowSystem::Type says when); data exchange's fields
// are the dialog's members and live as long as its window.
struct EditText {
  CString text;
  CString* field = nullptr;
};

class FastItemAccess {
 public:
  // The text of edit box `id`, valid while the window lives; null for a
  // control that is no edit box.
  virtual EditText* EditTextOf(WindowHandle window, int id) = 0;
  // The check marks of the radio buttons firstId to lastId as one word, a
  // bit for each from the lowest, valid while the window lives; null where
  // they are not kept so (the ids are not exactly one group's radio buttons
  // side by side, say).
  virtual std::uint64_t* RadioChecks(WindowHandle window, int firstId, int lastId) = 0;

 protected:
  ~FastItemAccess() = default;
};

}  // namespace radixel::platform
