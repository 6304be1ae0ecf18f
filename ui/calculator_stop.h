#pragma once
// What the window does when the calculator library or one of its functions is
// missing: it says so in a message box; the binding then ends the program.

#include "calculator_library.h"
#include "query/query_ports.h"

namespace bazi::ui {

StopHandler stopWithMessage(MessagePort& messages);

}  // namespace bazi::ui
