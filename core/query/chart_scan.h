#pragma once
// The walk of a query over the records: every chart decomposed and its set
// rows tested, in table order. With more than one thread the records are cut
// into contiguous ranges, one analysis each; the caller's thread takes the
// last range on the caller's analysis, so that analysis ends holding the last
// chart, and the scratch fields no chart of that range wrote are taken from the
// range before that wrote them last. Matches come back in table order, so the
// outcome is that of one thread walking every chart.

#include <cstddef>
#include <span>
#include <vector>

#include "analysis/chart_analysis.h"
#include "conditions/condition_panel.h"
#include "conditions/scratch_fields.h"
#include "query/query_ports.h"
#include "records/record_table.h"

namespace bazi {

struct SetRow {
  Group group;
  const ConditionRow* row;
  ScratchFields countWrites;  // what the row's count test writes when called
};

struct ChartScan {
  const RecordTable& records;
  std::span<const SetRow> rows;  // in evaluation order
  int conditionCount;            // a chart matches when this many rows hold
  bool yinYangSwap;
  PillarCalculator& calculator;
  QueryProgress* progress;  // may be null
};

// Record numbers (1-based) of the matching charts, in table order. `threads`
// is the number of ranges, the caller's thread included; 1 walks all charts on
// the caller's thread.
std::vector<size_t> matchingRecords(const ChartScan& scan, ChartAnalysis& analysis,
                                    unsigned threads);

}  // namespace bazi
