#pragma once
// Condition sets as JSON files (UTF-8), naming each set row by group letter and
// row number and each choice by the item text the panel shows:
//
//   {"yinYangSwap": false,
//    "rows": [{"group": "A", "row": 1, "subject": "金", "position": "天干",
//              "count": "3", "reveal": "透干"},
//             {"group": "B", "row": 2, "subject": "水", "position": "时柱",
//              "count": "2", "notRevealed": true}]}
//
// A field left out keeps the panel's initial value.

#include <stdexcept>
#include <string>
#include <string_view>

#include "conditions/condition_panel.h"

namespace bazi {

// what() is a UTF-8 message naming the row and field at fault.
class ConditionFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

ConditionPanel readConditions(std::string_view utf8Json);
std::string writeConditions(const ConditionPanel& panel);

}  // namespace bazi
