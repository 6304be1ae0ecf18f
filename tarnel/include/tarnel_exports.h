#pragma once
// The eleven functions of the pillar calculator library (libtarnel.so), with
// C linkage under their own names. Texts are NUL-terminated GBK strings; a
// null argument reads as the empty text. Text results point to constant
// texts owned by the library: callers copy them and never free them.

#include <stdint.h>

#define TARNEL_EXPORT __attribute__((visibility("default")))

extern "C" {

// Element ("金", "水", "木", "火", "土") of a stem or branch; "" otherwise.
TARNEL_EXPORT const char* 取干支五行(const char* character);
// Ordinal of a stem (甲 1 … 癸 10) or branch (子 1 … 亥 12); 0 otherwise.
TARNEL_EXPORT int32_t 取干支序数(const char* character);
// Ten god of `character` against `dayStem`. `swapFlag` 1 takes every branch's
// polarity by order; 0 gives 亥 子 巳 午 the polarity of their main hidden
// stem. "" when `dayStem` is not a stem or `character` is neither stem nor branch.
TARNEL_EXPORT const char* 取十神关系(const char* dayStem, const char* character, int32_t swapFlag);
// Hidden stems of a branch, main stem first, 2 bytes each; "" otherwise.
TARNEL_EXPORT const char* 取地支藏干(const char* branch);

// How many of the first texts equal the last one.
TARNEL_EXPORT int32_t 取天干五行数量(const char* year, const char* month, const char* day,
                                     const char* hour, const char* element);
TARNEL_EXPORT int32_t 取地支五行数量(const char* year, const char* month, const char* day,
                                     const char* hour, const char* element);
TARNEL_EXPORT int32_t 取藏干五行数量(const char* e1, const char* e2, const char* e3, const char* e4,
                                     const char* e5, const char* e6, const char* e7, const char* e8,
                                     const char* e9, const char* e10, const char* e11,
                                     const char* e12, const char* element);
// Whole, non-overlapping occurrences of `part` in `text` that start on a
// character boundary of `text`; 0 for an empty `part`.
TARNEL_EXPORT int32_t 取干支数量(const char* text, const char* part);
TARNEL_EXPORT int32_t 取天干十神数量(const char* year, const char* month, const char* hour,
                                     const char* tenGod);
TARNEL_EXPORT int32_t 取地支十神数量(const char* year, const char* month, const char* day,
                                     const char* hour, const char* tenGod);
TARNEL_EXPORT int32_t 取藏干十神数量(const char* g1, const char* g2, const char* g3, const char* g4,
                                     const char* g5, const char* g6, const char* g7, const char* g8,
                                     const char* g9, const char* g10, const char* g11,
                                     const char* g12, const char* tenGod);
}
