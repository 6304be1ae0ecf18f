#pragma once
// The one place where texts change encoding. Inside the program every text is
// a GBK byte string; files, Qt and the terminal speak UTF-8. GB18030 is used
// for the GBK side: it agrees with GBK on every GBK character and encodes every
// other Unicode character too, so no name is lost on a round trip.

#include <string>
#include <string_view>

namespace gbk {

// UTF-8 to GB18030. Invalid UTF-8 bytes become '?'.
std::string fromUtf8(std::string_view utf8);

// GB18030 to UTF-8. Bytes that form no character become U+FFFD.
std::string toUtf8(std::string_view gbk);

// True when the text is valid UTF-8 (used to detect a file's encoding).
bool isValidUtf8(std::string_view text);

}  // namespace gbk
