#include "conditions/condition_file.h"

#include <nlohmann/json.hpp>
#include <set>
#include <utility>

#include "text/gbk_codec.h"

namespace bazi {
namespace {

using Json = nlohmann::json;

[[noreturn]] void fail(const std::string& message) { throw ConditionFileError(message); }

std::string rowName(char letter, int k) { return std::string(1, letter) + std::to_string(k); }

Group groupFromLetter(const Json& entry, size_t index) {
  const auto it = entry.find("group");
  if (it == entry.end() || !it->is_string() || it->get<std::string>().size() != 1) {
    fail("rows[" + std::to_string(index) + "]: \"group\" must be one of A, B, C, D, E, F, G, H");
  }
  const char letter = it->get<std::string>()[0];
  for (Group g : kAllGroups) {
    if (groupInfo(g).letter == letter) return g;
  }
  fail("rows[" + std::to_string(index) + "]: unknown group \"" + it->get<std::string>() +
       "\"; the groups are A, B, C, D, E, F, G, H");
}

int rowNumber(const Json& entry, size_t index, const GroupInfo& info) {
  const auto it = entry.find("row");
  if (it == entry.end() || !it->is_number_integer()) {
    fail("rows[" + std::to_string(index) + "]: \"row\" must be a whole number");
  }
  const int k = it->get<int>();
  if (k < 1 || k > info.rowCount) {
    fail("rows[" + std::to_string(index) + "]: group " + std::string(1, info.letter) +
         " has rows 1 to " + std::to_string(info.rowCount) + ", not " + std::to_string(k));
  }
  return k;
}

bool groupHasField(const GroupInfo& info, const std::string& field) {
  if (field == "group" || field == "row" || field == "subject") return true;
  if (info.group == Group::H) return false;  // only the subject of a shensha row can be chosen
  if (field == "position" || field == "count") return true;
  if (field == "reveal") return info.extra == RowExtra::Reveal;
  if (field == "notRevealed") return info.extra == RowExtra::NotRevealed;
  if (field == "noHiddenStem") return info.extra == RowExtra::NoHiddenStem;
  return false;
}

std::string textField(const Json& value, const std::string& where) {
  if (!value.is_string()) fail(where + " must be a text");
  return gbk::fromUtf8(value.get<std::string>());
}

void applyRow(ConditionPanel& panel, const Json& entry, size_t index) {
  if (!entry.is_object()) fail("rows[" + std::to_string(index) + "] must be an object");
  const Group group = groupFromLetter(entry, index);
  const GroupInfo& info = groupInfo(group);
  const int k = rowNumber(entry, index, info);
  const std::string name = "row " + rowName(info.letter, k);
  for (const auto& [field, value] : entry.items()) {
    if (!groupHasField(info, field))
      fail(name + ": group " + std::string(1, info.letter) + " has no field \"" + field + "\"");
  }
  if (!entry.contains("subject")) fail(name + ": \"subject\" is missing");
  static constexpr std::pair<const char*, RowField> kChoices[] = {{"subject", RowField::Subject},
                                                                  {"position", RowField::Position},
                                                                  {"count", RowField::Count},
                                                                  {"reveal", RowField::Reveal}};
  try {
    for (const auto& [field, rowField] : kChoices) {
      if (entry.contains(field)) {
        setRowChoice(panel, group, k, rowField, textField(entry[field], name + " " + field));
      }
    }
    for (const char* flag : {"notRevealed", "noHiddenStem"}) {
      if (!entry.contains(flag)) continue;
      if (!entry[flag].is_boolean()) fail(name + " " + flag + " must be true or false");
      setRowFlag(panel, group, k, flag, entry[flag].get<bool>());
    }
  } catch (const ChoiceError& e) {
    fail(e.what());
  }
  if (panel.row(group, k).subject == 0 && entry.size() > 3) {
    fail(name + ": a row whose subject is \"-\" takes no other choice");
  }
}

}  // namespace

ConditionPanel readConditions(std::string_view utf8Json) {
  Json doc = Json::parse(utf8Json, nullptr, false);
  if (doc.is_discarded()) fail("the conditions are not valid JSON");
  if (!doc.is_object()) fail("the conditions must be a JSON object");
  for (const auto& [key, value] : doc.items()) {
    if (key != "yinYangSwap" && key != "rows") fail("unknown field \"" + key + "\"");
  }
  ConditionPanel panel;
  if (doc.contains("yinYangSwap")) {
    if (!doc["yinYangSwap"].is_boolean()) fail("\"yinYangSwap\" must be true or false");
    panel.yinYangSwap = doc["yinYangSwap"].get<bool>();
  }
  if (doc.contains("rows")) {
    if (!doc["rows"].is_array()) fail("\"rows\" must be a list");
    std::set<std::pair<Group, int>> seen;
    for (size_t i = 0; i < doc["rows"].size(); ++i) {
      const Json& entry = doc["rows"][i];
      applyRow(panel, entry, i);
      const Group group = groupFromLetter(entry, i);
      const int k = entry["row"].get<int>();
      if (!seen.insert({group, k}).second) {
        fail("row " + rowName(groupInfo(group).letter, k) + " is given twice");
      }
    }
  }
  return panel;
}

std::string writeConditions(const ConditionPanel& panel) {
  Json rows = Json::array();
  for (Group group : kAllGroups) {
    const GroupInfo& info = groupInfo(group);
    for (int k = 1; k <= info.rowCount; ++k) {
      const ConditionRow& row = panel.row(group, k);
      if (row.subject == 0) continue;
      if (!info.subjects.contains(row.subject) || !info.positions.contains(row.position) ||
          !info.counts.contains(row.count)) {
        fail("row " + rowName(info.letter, k) + " holds a choice outside its lists");
      }
      Json entry = {{"group", std::string(1, info.letter)},
                    {"row", k},
                    {"subject", gbk::toUtf8(info.subjects.items[row.subject])}};
      if (group != Group::H) {
        entry["position"] = gbk::toUtf8(info.positions.items[row.position]);
        entry["count"] = gbk::toUtf8(info.counts.items[row.count]);
      }
      if (info.extra == RowExtra::Reveal && row.reveal != RevealOption::None) {
        entry["reveal"] = gbk::toUtf8(RevealList.items[static_cast<int>(row.reveal)]);
      }
      if (info.extra == RowExtra::NotRevealed) entry["notRevealed"] = row.notRevealed;
      if (info.extra == RowExtra::NoHiddenStem) entry["noHiddenStem"] = row.noHiddenStem;
      rows.push_back(std::move(entry));
    }
  }
  Json doc = {{"yinYangSwap", panel.yinYangSwap}, {"rows", std::move(rows)}};
  return doc.dump(2) + "\n";
}

}  // namespace bazi
