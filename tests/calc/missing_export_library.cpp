// A stand-in calculator with every function but 取藏干十神数量. Two of its
// text functions answer null, which the binding must turn into the empty
// text; 取十神关系 echoes its second argument, so texts of any length can be
// sent through the binding's copying.

#include "tarnel_exports.h"

extern "C" {

const char* 取干支五行(const char*) { return nullptr; }
int32_t 取干支序数(const char*) { return 7; }
const char* 取十神关系(const char*, const char* character, int32_t) { return character; }
const char* 取地支藏干(const char*) { return nullptr; }
int32_t 取天干五行数量(const char*, const char*, const char*, const char*, const char*) {
  return 0;
}
int32_t 取地支五行数量(const char*, const char*, const char*, const char*, const char*) {
  return 0;
}
int32_t 取藏干五行数量(const char*, const char*, const char*, const char*, const char*, const char*,
                       const char*, const char*, const char*, const char*, const char*, const char*,
                       const char*) {
  return 0;
}
int32_t 取干支数量(const char*, const char*) { return 0; }
int32_t 取天干十神数量(const char*, const char*, const char*, const char*) { return 0; }
int32_t 取地支十神数量(const char*, const char*, const char*, const char*, const char*) {
  return 0;
}

}  // extern "C"
