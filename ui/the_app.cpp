// The one application object of the desktop program. It is linked into the
// program itself (not a library), so the linker always keeps it.
#include "ui/converter_app.h"

CConverterApp theApp;
