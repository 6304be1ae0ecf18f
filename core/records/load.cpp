#include "records/load.h"

#include <filesystem>

#include "records/labels.h"
#include "text/gbk_codec.h"

namespace bazi {
namespace {

constexpr char kSeparator = std::filesystem::path::preferred_separator;

// Counts how far the load has come and tells the progress port, if any.
class ProgressReport {
 public:
  ProgressReport(LoadProgress* port, size_t files) : port_(port) { count_.filesTotal = files; }
  void start() const { tell(); }
  void fileOpened(size_t records) {
    count_.fileRecordCount = records;
    count_.fileRecordsRead = 0;
  }
  void recordRead() {
    ++count_.recordsRead;
    if (++count_.fileRecordsRead % kLoadProgressStep == 0) tell();
  }
  void fileDone() {
    ++count_.filesDone;
    count_.fileRecordsRead = 0;
    count_.fileRecordCount = 0;
    tell();
  }

 private:
  void tell() const {
    if (port_ != nullptr) port_->progress(count_);
  }

  LoadProgress* port_;
  LoadCount count_;
};

void readDatabase(const std::string& path, Workspace& workspace, LoadPorts& ports,
                  ProgressReport& report, size_t& total, std::vector<std::string>& notRead) {
  const bool opened = ports.reader.open(path, kAccessPassword);
  const size_t count = ports.reader.recordCount();
  total += count;
  report.fileOpened(count);
  std::array<std::string_view, kFieldCount> fields;
  for (size_t j = 1; j <= count; ++j) {
    ports.reader.goToRecord(j);
    for (int k = 1; k <= kFieldCount; ++k) {
      if (j == 1) workspace.records.writeTitle(k - 1);
      fields[k - 1] = ports.reader.readField(k);
    }
    workspace.records.appendRecord(fields);
    report.recordRead();
  }
  if (!opened || ports.reader.readFailed()) notRead.push_back(path);
}

}  // namespace

std::string recordsFolder(const std::string& programFolder) {
  return programFolder + kSeparator + reinterpret_cast<const char*>(u8"记录") + kSeparator;
}

std::string treeTextOf(const std::string& path) {
  const size_t cut = path.find_last_of(kSeparator);
  std::string name = gbk::fromUtf8(cut == std::string::npos ? path : path.substr(cut + 1));
  name.resize(name.size() >= 4 ? name.size() - 4 : 0);
  return name;
}

void loadChartDatabases(Workspace& workspace, LoadPorts& ports) {
  workspace.statusLabel = labels::kLoading;
  workspace.records.resetTable();
  ports.fileList.removeAllItems();
  const std::vector<std::string> paths =
      ports.chooser.chooseFiles(kDatabaseFilter, recordsFolder(ports.folder.programFolder()));
  if (!paths.empty()) {
    size_t total = 0;
    std::vector<std::string> notRead;
    ProgressReport report(ports.progress, paths.size());
    report.start();
    for (const std::string& path : paths) {
      const std::string treeText = treeTextOf(path);
      readDatabase(path, workspace, ports, report, total, notRead);
      ports.fileList.addTopLevelItem(treeText);
      ports.reader.close(path);
      report.fileDone();
    }
    ports.reader.closeAll();
    workspace.statusLabel = labels::kLoadDone;
    workspace.countLabel = labels::loadCountText(total);
    if (!notRead.empty()) ports.warnings.filesNotRead(notRead);
  }
  workspace.records.applyColumnWidths();
}

}  // namespace bazi
