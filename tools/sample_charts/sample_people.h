#pragma once
// Fictional people for the bundled sample chart databases. Everything comes
// from a fixed seed, so the samples are the same on every build.

#include <cstdint>
#include <vector>

#include "records/chart_record.h"

namespace bazi::samples {

// A small, fully specified generator (the standard distributions are not the
// same on every library).
class SampleRandom {
 public:
  explicit SampleRandom(uint64_t seed) : state_(seed) {}
  uint64_t next();
  // Uniform in [0, bound).
  int below(int bound) { return static_cast<int>(next() % static_cast<uint64_t>(bound)); }

 private:
  uint64_t state_;
};

// One chart (GBK texts) born between 1920 and 2019, drawn from `random`.
ChartRecord makeSampleChart(SampleRandom& random);

// `count` charts from a generator seeded with `seed`.
std::vector<ChartRecord> makeSampleCharts(uint64_t seed, int count);

}  // namespace bazi::samples
