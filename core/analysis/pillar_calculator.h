#pragma once
// The eleven functions of the pillar calculator, as the core calls them. All
// knowledge of elements, stems, branches and ten gods lives behind this
// interface; the core only compares the texts and numbers it returns.
//
// Texts are GBK. Text results are copies owned by the caller; a null result
// of the library arrives as the empty text.
//
// Each text call also comes in a form that writes its result into a string
// the caller keeps: the same call, but the string's buffer is reused instead
// of a new string being built and moved for every call. By default that form
// makes the plain call, so a calculator needs to override it only to be fast.

#include <array>
#include <string>

namespace bazi {

class PillarCalculator {
 public:
  virtual ~PillarCalculator() = default;

  // Whether one instance may be called from several threads at once. Only
  // then does a query spread the charts over threads.
  virtual bool threadSafe() const { return false; }

  // Element ("金", "水", "木", "火", "土") of a stem or branch.
  virtual std::string 取干支五行(const std::string& character) = 0;
  // Ordinal of a stem or branch.
  virtual int 取干支序数(const std::string& character) = 0;
  // Ten god of `character` relative to `dayStem`; `swapFlag` is 1 when the
  // box 亥子巳午阴阳置换 is not ticked, 0 when it is.
  virtual std::string 取十神关系(const std::string& dayStem, const std::string& character,
                                 int swapFlag) = 0;
  // Hidden stems of a branch, 2 bytes per stem, main stem first.
  virtual std::string 取地支藏干(const std::string& branch) = 0;

  // The three text calls above, writing into `result`.
  virtual void 取干支五行(const std::string& character, std::string& result) {
    result = 取干支五行(character);
  }
  virtual void 取十神关系(const std::string& dayStem, const std::string& character, int swapFlag,
                          std::string& result) {
    result = 取十神关系(dayStem, character, swapFlag);
  }
  virtual void 取地支藏干(const std::string& branch, std::string& result) {
    result = 取地支藏干(branch);
  }

  // How many of the four stem elements (year, month, day, hour) equal `element`.
  virtual int 取天干五行数量(const std::string& year, const std::string& month,
                             const std::string& day, const std::string& hour,
                             const std::string& element) = 0;
  // How many of the four branch elements equal `element`.
  virtual int 取地支五行数量(const std::string& year, const std::string& month,
                             const std::string& day, const std::string& hour,
                             const std::string& element) = 0;
  // How many of the twelve hidden-stem elements equal `element`.
  virtual int 取藏干五行数量(const std::array<const std::string*, 12>& elements,
                             const std::string& element) = 0;
  // How many times `part` occurs in `text`.
  virtual int 取干支数量(const std::string& text, const std::string& part) = 0;
  // The same count over a NUL-terminated text the caller keeps in a buffer of
  // its own, such as texts joined on the stack.
  virtual int 取干支数量(const char* text, const std::string& part) {
    return 取干支数量(std::string(text), part);
  }
  // How many of the three stem ten gods (year, month, hour) equal `tenGod`.
  virtual int 取天干十神数量(const std::string& year, const std::string& month,
                             const std::string& hour, const std::string& tenGod) = 0;
  // How many of the four branch ten gods equal `tenGod`.
  virtual int 取地支十神数量(const std::string& year, const std::string& month,
                             const std::string& day, const std::string& hour,
                             const std::string& tenGod) = 0;
  // How many of the twelve hidden-stem ten gods equal `tenGod`.
  virtual int 取藏干十神数量(const std::array<const std::string*, 12>& tenGods,
                             const std::string& tenGod) = 0;
};

}  // namespace bazi
