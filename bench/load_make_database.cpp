// load_make_database OUT.edb [COUNT [SEED]]: a chart database of COUNT
// (default one million) fictional charts with the field sizes of a real
// collection: the sample generator's charts with résumés of 10 to 80
// characters and remarks on one chart in three. Files made with different
// seeds hold different charts.

#include <array>
#include <filesystem>
#include <iostream>
#include <string>

#include "edb_schema.h"
#include "edb_writer.h"
#include "records/load.h"
#include "sample_people.h"
#include "text/gbk_codec.h"

namespace {

constexpr const char* kPhrases[] = {"早年在家乡读书，", "后随家人迁居外地，", "工作勤恳，",
                                    "曾任单位负责人，", "中年转行经商，",     "家庭和睦，",
                                    "晚年身体欠佳，",   "喜好书画。"};
constexpr const char* kRemarks[] = {"亲友提供", "资料待核", "出生时辰存疑，按父母回忆", "已回访"};

// A résumé of about `characters` Chinese characters (each phrase is 5 to 8).
std::string resume(bazi::samples::SampleRandom& random, int characters) {
  std::string text;
  while (static_cast<int>(text.size()) < characters * 2) {
    text += kPhrases[random.below(static_cast<int>(std::size(kPhrases)))];
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::cerr << "usage: load_make_database OUT.edb [COUNT [SEED]]\n";
    return 2;
  }
  const std::string path = argv[1];
  long count = 0;
  unsigned long seed = 0;
  try {
    count = argc > 2 ? std::stol(argv[2]) : 1000000;
    seed = argc > 3 ? std::stoul(argv[3]) : 20240601;
  } catch (const std::exception&) {
    std::cerr << "load_make_database: COUNT and SEED are whole numbers\n";
    return 2;
  }
  if (std::filesystem::exists(path)) {
    std::cerr << "load_make_database: " << path << " already exists\n";
    return 1;
  }
  try {
    bazi::EdbWriter writer(path, bazi::kAccessPassword, bazi::db::randomSalt());
    bazi::samples::SampleRandom random(seed);
    std::array<std::string, bazi::kFieldCount> utf8;
    std::array<std::string_view, bazi::kFieldCount> fields;
    for (long i = 0; i < count; ++i) {
      bazi::ChartRecord chart = bazi::samples::makeSampleChart(random);
      chart[23] = resume(random, 10 + random.below(71));
      chart[25] = random.below(3) == 0 ? kRemarks[random.below(4)] : "";
      for (int k = 0; k < bazi::kFieldCount; ++k) {
        utf8[k] = gbk::toUtf8(chart[k]);
        fields[k] = utf8[k];
      }
      writer.append(fields);
    }
    writer.commit();
  } catch (const std::exception& e) {
    std::filesystem::remove(path);
    std::cerr << "load_make_database: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
