#pragma once
// The command line of bazi-query-cli.

#include <optional>
#include <string>
#include <vector>

namespace bazi::cli {

enum class OutputFormat { Csv, Tsv, Table };

struct Options {
  std::optional<std::string> conditionsPath;  // "-" is standard input
  OutputFormat format = OutputFormat::Csv;
  std::vector<std::string> databases;
};

// Throws std::invalid_argument with a one-line message for a bad command line.
Options parseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace bazi::cli
