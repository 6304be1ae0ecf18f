// Count items read by their text: "N" is Exactly N, "非N" NotEqual N, ">=N"
// AtLeast N and "<=N" AtMost N. Every count list is built from these four
// forms, so one reading serves all of them.

#include <charconv>
#include <stdexcept>
#include <string>

#include "conditions/condition_panel.h"

namespace bazi {
namespace {

struct FormPrefix {
  std::string_view prefix;
  CountForm form;
};
constexpr FormPrefix kPrefixes[] = {
    {"非", CountForm::NotEqual}, {">=", CountForm::AtLeast}, {"<=", CountForm::AtMost}};

[[noreturn]] void notACount(const ChoiceList& list, int index) {
  throw std::out_of_range(std::string(list.name) + " has no count item at index " +
                          std::to_string(index));
}

}  // namespace

DecodedCount decodeCountChoice(const ChoiceList& list, int index) {
  if (!list.contains(index)) notACount(list, index);
  std::string_view text = list.items[static_cast<size_t>(index)];
  CountForm form = CountForm::Exactly;
  for (const FormPrefix& p : kPrefixes) {
    if (text.starts_with(p.prefix)) {
      form = p.form;
      text.remove_prefix(p.prefix.size());
      break;
    }
  }
  int n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    notACount(list, index);
  }
  return {form, n};
}

bool countHolds(CountForm form, int n, int count) {
  switch (form) {
    case CountForm::Exactly:
      return count == n;
    case CountForm::NotEqual:
      return count != n;
    case CountForm::AtLeast:
      return count >= n;
    case CountForm::AtMost:
      return count <= n;
  }
  return false;
}

}  // namespace bazi
