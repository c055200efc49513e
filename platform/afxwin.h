// The class-library surface the program's dialog code is written against.
#pragma once

#include "platform/cstring.h"
#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/message_map.h"
#include "platform/win_app.h"
#include "platform/win_types.h"
#include "platform/wnd.h"
