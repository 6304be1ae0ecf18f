#pragma once
// The load command of the button 按钮_载入数据库.

#include <cstddef>
#include <string>
#include <string_view>

#include "records/load_ports.h"
#include "records/workspace.h"

namespace bazi {

inline constexpr std::string_view kAccessPassword = "QarelPindoVext";
inline constexpr std::string_view kDatabaseFilter = "(*.edb)|*.edb";
// The load tells its progress port after every this many records of a file.
inline constexpr size_t kLoadProgressStep = 4096;

// The program folder, then 记录, then a separator (native encoding).
std::string recordsFolder(const std::string& programFolder);

// The tree text of a file: its name after the last separator, less its last
// four bytes, as GBK.
std::string treeTextOf(const std::string& path);

void loadChartDatabases(Workspace& workspace, LoadPorts& ports);

}  // namespace bazi
