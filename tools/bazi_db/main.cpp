// bazi-db: turns spreadsheets (CSV) into chart databases and back, and tells
// how many charts a database holds.
//
// Exit status: 0 on success, 1 when the command failed, 2 for a wrong command
// line. Every failure is one line on standard error.

#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands.h"

namespace {

constexpr char kUsage[] =
    "usage: bazi-db import [--lenient] [--force] IN.csv OUT.edb\n"
    "       bazi-db export [--force] [--bom] IN.edb [OUT.csv]\n"
    "       bazi-db info IN.edb\n"
    "\n"
    "import   reads a CSV (RFC 4180, UTF-8 with or without BOM, or GB18030) whose\n"
    "         first row holds the 26 column titles, and writes a chart database.\n"
    "         --lenient pads or cuts rows that do not have 26 fields.\n"
    "export   writes the records as UTF-8 CSV with the title row, to OUT.csv or\n"
    "         to standard output. --bom starts the file with a UTF-8 mark, which\n"
    "         some spreadsheet programs need to read UTF-8.\n"
    "info     prints the number of records.\n"
    "An existing output is replaced only with --force.\n";

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Options {
  std::string command;
  bool lenient = false;
  bool force = false;
  bool byteOrderMark = false;
  std::vector<std::string> paths;
};

void allowFlags(const Options& options, bool lenient, bool force, bool bom) {
  if ((options.lenient && !lenient) || (options.force && !force) ||
      (options.byteOrderMark && !bom)) {
    throw UsageError("an option does not apply to " + options.command);
  }
}

void expectPaths(const Options& options, size_t least, size_t most) {
  if (options.paths.size() < least || options.paths.size() > most) {
    throw UsageError("wrong number of files for " + options.command);
  }
}

Options parseOptions(const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError("no command given");
  Options options;
  options.command = args[0];
  bool flagsEnded = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (flagsEnded || arg == "-" || !arg.starts_with("-")) {
      options.paths.push_back(arg);
    } else if (arg == "--") {
      flagsEnded = true;
    } else if (arg == "--lenient") {
      options.lenient = true;
    } else if (arg == "--force") {
      options.force = true;
    } else if (arg == "--bom") {
      options.byteOrderMark = true;
    } else {
      throw UsageError("unknown option " + arg);
    }
  }
  if (options.command == "import") {
    allowFlags(options, true, true, false);
    expectPaths(options, 2, 2);
  } else if (options.command == "export") {
    allowFlags(options, false, true, true);
    expectPaths(options, 1, 2);
  } else if (options.command == "info") {
    allowFlags(options, false, false, false);
    expectPaths(options, 1, 1);
  } else {
    throw UsageError("unknown command " + options.command);
  }
  return options;
}

std::string recordsText(size_t count) {
  return std::to_string(count) + (count == 1 ? " record" : " records");
}

void runImport(const Options& options) {
  const auto summary =
      bazi::tools::importCsv(options.paths[0], options.paths[1], options.lenient, options.force);
  if (summary.adjustedRows > 0) {
    std::cerr << "bazi-db: " << summary.adjustedRows
              << " rows did not have 26 fields and were padded or cut (the first on line "
              << summary.firstAdjustedLine << ")\n";
  }
  std::cout << options.paths[1] << ": " << recordsText(summary.records) << " imported from "
            << summary.encoding << " CSV\n";
}

void runCommand(const Options& options) {
  if (options.command == "import") {
    runImport(options);
  } else if (options.command == "export") {
    const std::string out = options.paths.size() > 1 ? options.paths[1] : std::string();
    bazi::tools::exportCsv(options.paths[0], out == "-" ? std::string() : out, options.force,
                           options.byteOrderMark, std::cout);
  } else {
    const size_t count = bazi::tools::countRecords(options.paths[0]);
    std::cout << options.paths[0] << ": " << recordsText(count) << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
    std::cout << kUsage;
    return 0;
  }
  try {
    runCommand(parseOptions(args));
    return 0;
  } catch (const UsageError& e) {
    std::cerr << "bazi-db: " << e.what() << " (bazi-db --help shows the usage)\n";
    return kUsageError;
  } catch (const std::exception& e) {
    std::cerr << "bazi-db: " << e.what() << "\n";
    return kFailed;
  }
}
