#include "cli_options.h"

#include <stdexcept>

namespace bazi::cli {

const char* const kUsage =
    "usage: bazi-query-cli [--conditions FILE|-] [--format csv|tsv|table] FILE.edb...";

namespace {

OutputFormat formatNamed(const std::string& name) {
  if (name == "csv") return OutputFormat::Csv;
  if (name == "tsv") return OutputFormat::Tsv;
  if (name == "table") return OutputFormat::Table;
  throw std::invalid_argument("unknown format \"" + name + "\"; use csv, tsv or table");
}

// Splits "--name=value" or takes the value from the next argument.
std::string valueOf(const std::vector<std::string>& args, size_t& i, const std::string& name) {
  const std::string& arg = args[i];
  if (arg.size() > name.size() && arg[name.size()] == '=') return arg.substr(name.size() + 1);
  if (i + 1 >= args.size()) throw std::invalid_argument(name + " needs a value");
  return args[++i];
}

bool isOption(const std::string& arg, const std::string& name) {
  return arg == name || arg.rfind(name + "=", 0) == 0;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& args) {
  Options options;
  bool onlyFiles = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyFiles || arg == "-" || arg.empty() || arg[0] != '-') {
      options.databases.push_back(arg);
    } else if (arg == "--") {
      onlyFiles = true;
    } else if (isOption(arg, "--conditions")) {
      options.conditionsPath = valueOf(args, i, "--conditions");
    } else if (isOption(arg, "--format")) {
      options.format = formatNamed(valueOf(args, i, "--format"));
    } else {
      throw std::invalid_argument("unknown option \"" + arg + "\"");
    }
  }
  if (options.databases.empty()) throw std::invalid_argument("no chart database given");
  return options;
}

}  // namespace bazi::cli
