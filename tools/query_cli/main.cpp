// bazi-query-cli: the query of the window, without a window. Loads the given
// chart databases in order, runs the conditions over them, and writes the
// matches to standard output.
//
// Exit status: 0 when charts matched, 1 when none did, 2 for every error.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "cli_options.h"
#include "cli_ports.h"
#include "conditions/condition_file.h"
#include "edb_engine.h"
#include "query/query_run.h"
#include "records/load.h"
#include "result_output.h"
#include "tarnel_calculator.h"
#include "text/gbk_codec.h"

namespace {

constexpr int kMatched = 0;
constexpr int kNoMatch = 1;
constexpr int kError = 2;

std::string programFolder() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : exe.parent_path().string();
}

std::string readAll(const std::string& path) {
  if (path == "-") {
    return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the conditions file " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int runCommand(const bazi::cli::Options& options) {
  bazi::ConditionPanel panel;
  if (options.conditionsPath) panel = bazi::readConditions(readAll(*options.conditionsPath));

  bazi::Workspace workspace;
  bazi::cli::GivenFiles files(options.databases, programFolder());
  bazi::cli::UnreadFiles unread;
  bazi::EdbReader reader;
  bazi::LoadPorts loadPorts{files, files, reader, files, unread};
  bazi::loadChartDatabases(workspace, loadPorts);
  for (const std::string& path : unread.paths()) {
    std::cerr << "bazi-query-cli: cannot read " << path << " as a chart database\n";
  }

  bazi::TarnelCalculator calculator;
  bazi::ChartAnalysis analysis;
  bazi::cli::RecordedOutcome outcome;
  bazi::QueryPorts queryPorts{outcome, outcome};
  bazi::runQuery(workspace, panel, analysis, calculator, queryPorts);

  bazi::cli::writeResults(workspace.results, options.format, std::cout);
  std::cout.flush();
  std::cerr << gbk::toUtf8(workspace.countLabel) << '\n';
  if (!outcome.message().empty()) std::cerr << gbk::toUtf8(outcome.message()) << '\n';

  if (!unread.paths().empty() || outcome.message() == bazi::kNoConditionMessage) return kError;
  return workspace.results.recordCount() != 0 ? kMatched : kNoMatch;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const auto options = bazi::cli::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    return runCommand(options);
  } catch (const std::invalid_argument& e) {
    std::cerr << "bazi-query-cli: " << e.what() << '\n' << bazi::cli::kUsage << '\n';
  } catch (const std::exception& e) {
    std::cerr << "bazi-query-cli: " << e.what() << '\n';
  }
  return kError;
}
