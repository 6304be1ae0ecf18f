#pragma once
// Writes a result table, title row first, as UTF-8 CSV, TSV or aligned text.

#include <ostream>

#include "cli_options.h"
#include "records/record_table.h"

namespace bazi::cli {

void writeResults(const ResultTable& results, OutputFormat format, std::ostream& out);

}  // namespace bazi::cli
