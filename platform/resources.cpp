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

const DialogTemplate* ResourceModule::FindDialog(int id) const { return FindById(dialogs, id); }
const MenuTemplate* ResourceModule::FindMenu(int id) const { return FindById(menus, id); }
const IconResource* ResourceModule::FindIcon(int id) const { return FindById(icons, id); }

const char* ResourceModule::FindString(unsigned id) const {
  const StringResource* s = FindById(strings, id);
  return s ? s->text : nullptr;
}

}  // namespace radixel::platform
