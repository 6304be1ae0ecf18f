#pragma once
// What the query run needs of the window: message boxes and the tab switch.

#include <cstddef>
#include <string_view>

namespace bazi {

enum class MessageIcon { None, Error };

class MessagePort {
 public:
  virtual ~MessagePort() = default;
  // `text` and `caption` are GBK. An empty caption means the message box's
  // default caption "信息：". The refusal box has no owner window.
  virtual void showMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                           bool ownedByMainWindow) = 0;
};

class TabSwitcher {
 public:
  virtual ~TabSwitcher() = default;
  virtual void switchToTab(int index) = 0;
};

// Told how far a query has come, so the window can show a progress dialog.
// Called on the thread that runs the query, when it examines any chart: with
// (0, total) before the first chart, every few thousand charts, and with
// (total, total) at the end.
class QueryProgress {
 public:
  virtual ~QueryProgress() = default;
  virtual void progress(size_t done, size_t total) = 0;
};

struct QueryPorts {
  MessagePort& messages;
  TabSwitcher& tabs;
  QueryProgress* progress = nullptr;  // optional
};

}  // namespace bazi
