// load_bench FILE.edb...: loads the files the way the window does (the load
// command with the real engine into the records table; only the dialog is
// replaced by the list of files) and prints the wall time and peak memory.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "edb_engine.h"
#include "records/load.h"

namespace {

class GivenFiles : public bazi::FileChooser,
                   public bazi::ProgramFolder,
                   public bazi::FileListView,
                   public bazi::LoadWarnings {
 public:
  explicit GivenFiles(std::vector<std::string> paths) : paths_(std::move(paths)) {}
  std::vector<std::string> chooseFiles(std::string_view, const std::string&) override {
    return paths_;
  }
  std::string programFolder() override { return "."; }
  void removeAllItems() override {}
  void addTopLevelItem(std::string_view) override {}
  void filesNotRead(const std::vector<std::string>& paths) override { notRead_ = paths; }
  const std::vector<std::string>& notRead() const { return notRead_; }

 private:
  std::vector<std::string> paths_;
  std::vector<std::string> notRead_;
};

double peakResidentMiB() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: load_bench FILE.edb...\n");
    return 2;
  }
  GivenFiles files(std::vector<std::string>(argv + 1, argv + argc));
  bazi::EdbReader reader;
  bazi::LoadPorts ports{files, files, reader, files, files};
  bazi::Workspace workspace;

  const auto start = std::chrono::steady_clock::now();
  bazi::loadChartDatabases(workspace, ports);
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;

  for (const std::string& path : files.notRead())
    std::fprintf(stderr, "not read: %s\n", path.c_str());
  std::printf("records: %zu\n", workspace.records.recordCount());
  std::printf("load wall time: %.3f s\n", wall.count());
  std::printf("table bytes: %.1f MiB\n",
              static_cast<double>(workspace.records.storedBytes()) / (1024.0 * 1024.0));
  std::printf("peak RSS: %.1f MiB\n", peakResidentMiB());
  return files.notRead().empty() ? 0 : 1;
}
