// bazi-make-samples OUT_FOLDER: writes the bundled sample chart databases.
// The output depends on nothing but this program, so every build bundles the
// same charts.

#include <array>
#include <filesystem>
#include <iostream>
#include <string>

#include "../bazi_db/atomic_output.h"
#include "edb_writer.h"
#include "records/load.h"
#include "sample_people.h"
#include "text/gbk_codec.h"

namespace {

struct SampleFile {
  const char* name;  // GBK, without the extension
  uint64_t seed;
  int charts;
  const char* salt;  // fixed, so the files come out byte for byte the same
};

constexpr std::array<SampleFile, 2> kSampleFiles = {{
    {"示例记录一", 1, 180, "0f1e2d3c4b5a69788796a5b4c3d2e1f0"},
    {"示例记录二", 2, 140, "8899aabbccddeeff0011223344556677"},
}};

void writeSampleFile(const std::filesystem::path& folder, const SampleFile& file) {
  const std::string path = (folder / (gbk::toUtf8(file.name) + ".edb")).string();
  bazi::tools::AtomicOutput output(path, true);
  {
    bazi::EdbWriter writer(output.tempPath(), bazi::kAccessPassword, file.salt);
    std::array<std::string, bazi::kFieldCount> utf8;
    std::array<std::string_view, bazi::kFieldCount> fields;
    for (const bazi::ChartRecord& chart : bazi::samples::makeSampleCharts(file.seed, file.charts)) {
      for (int k = 0; k < bazi::kFieldCount; ++k) {
        utf8[k] = gbk::toUtf8(chart[k]);
        fields[k] = utf8[k];
      }
      writer.append(fields);
    }
    writer.commit();
  }
  output.commit();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: bazi-make-samples OUT_FOLDER\n";
    return 2;
  }
  try {
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    for (const SampleFile& file : kSampleFiles) writeSampleFile(folder, file);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "bazi-make-samples: " << e.what() << "\n";
    return 1;
  }
}
