#pragma once
// How a stored value becomes the GBK text the tables hold.

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace bazi::db {

// Column `column` (0-based) of the statement's current row: text and blobs
// are UTF-8 turned into GBK, NULL is the empty text, an integer or a real is
// its plain decimal text ("3", "-12", "1.5", never with an exponent).
//
// The view points into `buffer` or, for pure ASCII text, straight into
// SQLite's row; either way it lasts until the statement steps again or
// `buffer` is reused.
std::string_view fieldText(sqlite3_stmt* statement, int column, std::string& buffer);

// The same rendering of a real number, exposed for tests.
std::string_view realText(double value, std::string& buffer);

}  // namespace bazi::db
