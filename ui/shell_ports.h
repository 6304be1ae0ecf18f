#pragma once
// Every platform port the window is built with. The program passes the real
// ones (qt_ports.h); tests pass fakes.

#include "query/query_ports.h"
#include "records/load_ports.h"
#include "shell/shell_ports.h"

namespace bazi::ui {

struct ShellPorts {
  ProgramFolder& folder;
  FileChooser& chooser;
  ChartDatabaseReader& reader;
  MessagePort& messages;
  Clock& clock;
  Browser& browser;
};

}  // namespace bazi::ui
