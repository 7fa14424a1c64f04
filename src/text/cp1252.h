// Windows-1252, the single-byte code page of every file the program reads and
// writes, converted to and from UTF-8 at the boundary to the window system.
#pragma once

#include <string>
#include <string_view>

namespace pantrix {

// Every byte has a character: the five bytes Windows-1252 leaves undefined map to
// the control characters of the same number, so a name read from a damaged file
// survives a round trip unchanged.
std::string ToUtf8(std::string_view cp1252);

// Characters with no Windows-1252 form, and malformed UTF-8, become "?".
std::string FromUtf8(std::string_view utf8);

} // namespace pantrix
