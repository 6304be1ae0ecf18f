#include "shell/shell_ports.h"

namespace bazi {

bool exitPageDue(int second) { return second % 3 == 0; }

}  // namespace bazi
