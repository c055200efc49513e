// The program's resource tables: dialog templates, menu bar, string table,
// icon and version record, one source for every window system. A program
// hands them to the class library with a ModuleScope.
#pragma once

#include "platform/resources.h"

namespace radixel::res {

const platform::ResourceModule& Module();

}  // namespace radixel::res
