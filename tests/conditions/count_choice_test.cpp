// Count choices: every item of the three decoded count lists, and the tests.

#include <gtest/gtest.h>

#include <stdexcept>

#include "conditions/condition_panel.h"

namespace bazi {
namespace {

// Index ranges of one count list: exact 0 … lastExact (N = index), then
// NotEqual up to lastNotEqual (N = index − notEqualFrom), AtLeast up to
// lastAtLeast (N = index − atLeastOffset), AtMost to the end (N = atMostBase − index).
struct CountRanges {
  const ChoiceList* list;
  int size;
  int lastExact, lastNotEqual, lastAtLeast;
  int atLeastOffset, atMostBase;
};

const CountRanges kDecodedLists[] = {
    {&CountList8, 30, 8, 17, 22, 16, 30},
    {&CountList4, 18, 4, 9, 13, 10, 18},
    {&CountList7, 29, 7, 15, 21, 15, 29},
};

DecodedCount expectedAt(const CountRanges& r, int index) {
  if (index <= r.lastExact) return {CountForm::Exactly, index};
  if (index <= r.lastNotEqual) return {CountForm::NotEqual, index - r.lastExact - 1};
  if (index <= r.lastAtLeast) return {CountForm::AtLeast, index - r.atLeastOffset};
  return {CountForm::AtMost, r.atMostBase - index};
}

TEST(DecodeCountChoice, EveryIndexOfTheThreeListsFollowsItsRange) {
  for (const CountRanges& r : kDecodedLists) {
    ASSERT_EQ(r.list->size(), r.size) << r.list->name;
    for (int index = 0; index < r.size; ++index) {
      const DecodedCount want = expectedAt(r, index);
      const DecodedCount got = decodeCountChoice(*r.list, index);
      EXPECT_EQ(got.form, want.form) << r.list->name << " index " << index;
      EXPECT_EQ(got.n, want.n) << r.list->name << " index " << index;
    }
  }
}

TEST(DecodeCountChoice, TakesTheChoicePairToo) {
  const DecodedCount got = decodeCountChoice(CountChoice{&CountList4, 14});  // "<=4"
  EXPECT_EQ(got.form, CountForm::AtMost);
  EXPECT_EQ(got.n, 4);
}

TEST(DecodeCountChoice, ShenshaCountsReadAsWritten) {
  const DecodedCount atLeastFive = decodeCountChoice(CountList6, 19);  // ">=5"
  EXPECT_EQ(atLeastFive.form, CountForm::AtLeast);
  EXPECT_EQ(atLeastFive.n, 5);
  const DecodedCount notSix = decodeCountChoice(CountList6, 13);  // "非6"
  EXPECT_EQ(notSix.form, CountForm::NotEqual);
  EXPECT_EQ(notSix.n, 6);
}

TEST(DecodeCountChoice, RefusesWhatIsNoCountItem) {
  EXPECT_THROW(decodeCountChoice(CountList4, -1), std::out_of_range);
  EXPECT_THROW(decodeCountChoice(CountList4, 18), std::out_of_range);
  EXPECT_THROW(decodeCountChoice(ElementList, 2), std::out_of_range);
}

// Which counts 0 … 12 a choice holds for, as a bit set (bit c = count c).
unsigned holdingCounts(const ChoiceList& list, int index) {
  const DecodedCount d = decodeCountChoice(list, index);
  unsigned bits = 0;
  for (int count = 0; count <= 12; ++count) {
    if (countHolds(d.form, d.n, count)) bits |= 1u << count;
  }
  return bits;
}

constexpr unsigned kAll = (1u << 13) - 1;
constexpr unsigned only(int c) { return 1u << c; }
constexpr unsigned upTo(int c) { return (1u << (c + 1)) - 1; }

TEST(CountHolds, ChoicesHoldForTheirCounts) {
  struct Case {
    const ChoiceList* list;
    int index;
    const char* item;
    unsigned counts;
  };
  const Case cases[] = {
      {&CountList8, 9, "not 0", kAll & ~only(0)},
      {&CountList8, 18, ">=2", kAll & ~upTo(1)},
      {&CountList8, 29, "<=1", upTo(1)},
      {&CountList8, 8, "8", only(8)},
      {&CountList4, 5, "not 0", kAll & ~only(0)},
      {&CountList4, 9, "not 4", kAll & ~only(4)},
      {&CountList4, 10, ">=0", kAll},
      {&CountList4, 14, "<=4", upTo(4)},
      {&CountList7, 8, "not 0", kAll & ~only(0)},
      {&CountList7, 16, ">=1", kAll & ~only(0)},
      {&CountList7, 22, "<=7", upTo(7)},
      {&CountList4, 4, "4: a count above the largest number fails", only(4)},
      {&CountList4, 13, ">=3: a count above the largest number holds", kAll & ~upTo(2)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(holdingCounts(*c.list, c.index), c.counts) << c.list->name << " " << c.item;
  }
}

}  // namespace
}  // namespace bazi
