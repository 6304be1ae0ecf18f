#pragma once
// What the window needs of the platform beyond the load and the query: the
// clock and the default browser. The program passes the real ones; tests pass
// fakes.

#include <string>

namespace bazi {

class Clock {
 public:
  virtual ~Clock() = default;
  // The second of the current time of day, 0 to 59.
  virtual int currentSecond() = 0;
};

class Browser {
 public:
  virtual ~Browser() = default;
  // Opens an address (an encoded URL) in the default browser in a normal
  // window; the outcome is not looked at.
  virtual void open(const std::string& address) = 0;
};

// Whether closing the main window at `second` opens the exit page: at every
// third second of the minute, 0 included.
bool exitPageDue(int second);

}  // namespace bazi
