// Setting a row's selections by the texts the panel shows, for the conditions
// file and tests. Errors name the row and field in UTF-8 for the user.

#include <string>

#include "conditions/condition_panel.h"
#include "text/gbk_codec.h"

namespace bazi {
namespace {

const char* fieldName(RowField field) {
  switch (field) {
    case RowField::Subject:
      return "subject";
    case RowField::Position:
      return "position";
    case RowField::Count:
      return "count";
    case RowField::Reveal:
      return "reveal";
  }
  return "?";
}

std::string rowName(const GroupInfo& info, int k) {
  return "row " + std::string(1, info.letter) + std::to_string(k);
}

[[noreturn]] void fail(const std::string& message) { throw ChoiceError(message); }

ConditionRow& existingRow(ConditionPanel& panel, const GroupInfo& info, int k) {
  if (k < 1 || k > info.rowCount) {
    fail("group " + std::string(1, info.letter) + " has rows 1 to " +
         std::to_string(info.rowCount) + ", not " + std::to_string(k));
  }
  return panel.row(info.group, k);
}

std::string quotedItems(const ChoiceList& list) {
  std::string text;
  for (std::string_view item : list.items) {
    if (!text.empty()) text += ", ";
    text += "\"" + gbk::toUtf8(item) + "\"";
  }
  return text;
}

const ChoiceList& listOf(const GroupInfo& info, int k, RowField field) {
  switch (field) {
    case RowField::Subject:
      return info.subjects;
    case RowField::Position:
      return info.positions;
    case RowField::Count:
      return info.counts;
    case RowField::Reveal:
      if (info.extra != RowExtra::Reveal) {
        fail(rowName(info, k) + ": group " + std::string(1, info.letter) +
             " has no reveal options (only groups A and F have)");
      }
      return RevealList;
  }
  fail(rowName(info, k) + ": unknown field");
}

}  // namespace

void setRowChoice(ConditionPanel& panel, Group group, int k, RowField field,
                  std::string_view gbkText) {
  const GroupInfo& info = groupInfo(group);
  ConditionRow& row = existingRow(panel, info, k);
  const ChoiceList& list = listOf(info, k, field);
  const int index = findItem(list, gbkText);
  if (index < 0) {
    fail(rowName(info, k) + " " + fieldName(field) + ": \"" + gbk::toUtf8(gbkText) +
         "\" is not an item of " + std::string(list.name) + "; the items are " + quotedItems(list));
  }
  switch (field) {
    case RowField::Subject:
      row.subject = index;
      break;
    case RowField::Position:
      row.position = index;
      break;
    case RowField::Count:
      row.count = index;
      break;
    case RowField::Reveal:
      row.reveal = static_cast<RevealOption>(index);
      break;
  }
}

void setRowFlag(ConditionPanel& panel, Group group, int k, std::string_view flagName, bool on) {
  const GroupInfo& info = groupInfo(group);
  ConditionRow& row = existingRow(panel, info, k);
  if (flagName == "notRevealed" && info.extra == RowExtra::NotRevealed) {
    row.notRevealed = on;
  } else if (flagName == "noHiddenStem" && info.extra == RowExtra::NoHiddenStem) {
    row.noHiddenStem = on;
  } else if (flagName == "notRevealed" || flagName == "noHiddenStem") {
    fail(rowName(info, k) + ": group " + std::string(1, info.letter) + " has no check box \"" +
         std::string(flagName) + "\" (notRevealed: groups B, E, G; noHiddenStem: group C)");
  } else {
    fail(rowName(info, k) + ": unknown check box \"" + gbk::toUtf8(flagName) +
         "\"; the check boxes are \"notRevealed\" and \"noHiddenStem\"");
  }
}

}  // namespace bazi
