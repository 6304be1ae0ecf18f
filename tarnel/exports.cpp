// The library's face: each export recognises its characters through the byte
// pair table and answers from the constant tables.

#include "character_table.h"
#include "pillar_facts.h"
#include "tarnel_exports.h"
#include "text_counting.h"

using tarnel::codeOf;

extern "C" {

const char* 取干支五行(const char* character) { return tarnel::elementText(codeOf(character)); }

int32_t 取干支序数(const char* character) { return tarnel::ordinalOf(codeOf(character)); }

const char* 取十神关系(const char* dayStem, const char* character, int32_t swapFlag) {
  return tarnel::tenGodText(codeOf(dayStem), codeOf(character), swapFlag);
}

const char* 取地支藏干(const char* branch) { return tarnel::hiddenStemsText(codeOf(branch)); }

int32_t 取天干五行数量(const char* year, const char* month, const char* day, const char* hour,
                       const char* element) {
  return tarnel::countEqual(element, year, month, day, hour);
}

int32_t 取地支五行数量(const char* year, const char* month, const char* day, const char* hour,
                       const char* element) {
  return tarnel::countEqual(element, year, month, day, hour);
}

int32_t 取藏干五行数量(const char* e1, const char* e2, const char* e3, const char* e4,
                       const char* e5, const char* e6, const char* e7, const char* e8,
                       const char* e9, const char* e10, const char* e11, const char* e12,
                       const char* element) {
  return tarnel::countEqual(element, e1, e2, e3, e4, e5, e6, e7, e8, e9, e10, e11, e12);
}

int32_t 取干支数量(const char* text, const char* part) {
  return tarnel::countOccurrences(text, part);
}

int32_t 取天干十神数量(const char* year, const char* month, const char* hour, const char* tenGod) {
  return tarnel::countEqual(tenGod, year, month, hour);
}

int32_t 取地支十神数量(const char* year, const char* month, const char* day, const char* hour,
                       const char* tenGod) {
  return tarnel::countEqual(tenGod, year, month, day, hour);
}

int32_t 取藏干十神数量(const char* g1, const char* g2, const char* g3, const char* g4,
                       const char* g5, const char* g6, const char* g7, const char* g8,
                       const char* g9, const char* g10, const char* g11, const char* g12,
                       const char* tenGod) {
  return tarnel::countEqual(tenGod, g1, g2, g3, g4, g5, g6, g7, g8, g9, g10, g11, g12);
}

}  // extern "C"
