#include "platform/resources.h"

namespace radixel::platform {

namespace {
template <typename T, typename Id>
const T* FindById(std::span<const T> table, Id id) {
  for (const T& entry : table) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}
}  // namespace

const DialogTemplate* FindDialog(int id) { return FindById(AppResources().dialogs, id); }
const MenuTemplate* FindMenu(int id) { return FindById(AppResources().menus, id); }
const IconResource* FindIcon(int id) { return FindById(AppResources().icons, id); }

const char* FindString(unsigned id) {
  const StringResource* s = FindById(AppResources().strings, id);
  return s ? s->text : nullptr;
}

}  // namespace radixel::platform
