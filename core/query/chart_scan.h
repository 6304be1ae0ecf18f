#pragma once
// The walk of a query over the records: every chart decomposed and its set
// rows tested, in table order, and the matches copied into the results.
//
// With more than one thread the records are cut into chunks of consecutive
// charts that the threads take in turn, each thread on an analysis of its own.
// The caller's thread copies the matches of finished chunks in table order
// between chunks of its own, and takes the last chunk on the caller's analysis,
// which so ends holding the last chart; the scratch fields that chunk did not
// write are set as the latest chunk before it that wrote them left them. The
// outcome is that of one thread walking every chart on the caller's analysis.

#include <cstddef>
#include <span>

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
  ResultTable& results;          // the matches are appended here
  std::span<const SetRow> rows;  // in evaluation order
  int conditionCount;            // a chart matches when this many rows hold
  bool yinYangSwap;
  PillarCalculator& calculator;
  QueryProgress* progress;  // may be null
};

// `threads` counts the caller's; 1 walks every chart on the caller's thread.
void collectMatches(const ChartScan& scan, ChartAnalysis& analysis, unsigned threads);

}  // namespace bazi
