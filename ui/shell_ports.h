#pragma once
// What the window needs of the platform beyond the load and the query: the
// clock and the default browser. The program passes the real ones
// (qt_ports.h); tests pass fakes.

#include <QUrl>

#include "query/query_ports.h"
#include "records/load_ports.h"

namespace bazi::ui {

class Clock {
 public:
  virtual ~Clock() = default;
  // The second of the current time of day, 0 to 59.
  virtual int currentSecond() = 0;
};

class Browser {
 public:
  virtual ~Browser() = default;
  // Opens the address in the default browser; the outcome is not looked at.
  virtual void open(const QUrl& address) = 0;
};

struct ShellPorts {
  ProgramFolder& folder;
  FileChooser& chooser;
  ChartDatabaseReader& reader;
  MessagePort& messages;
  Clock& clock;
  Browser& browser;
};

}  // namespace bazi::ui
