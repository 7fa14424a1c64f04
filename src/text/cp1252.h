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

// The characters of UTF-8 text that have no Windows-1252 form, each once, in the
// order met, separated by spaces; empty when the text fits the code page.
std::string OutsideCodePage(std::string_view utf8);

// A name as the file system gave it (its bytes), as UTF-8 to show: valid UTF-8
// stays as it is, and a byte outside it is read as Windows-1252, as older
// programs wrote names.
std::string ShownName(std::string_view bytes);

// UTF-8 text for a Windows-1252 page: a character with no byte of its own is
// written as a numeric character reference ("&#1041;"), so the browser shows it.
std::string ToPageText(std::string_view utf8);

// UTF-8 text with each character of the code page passed through `map` as its
// byte; the other characters stay as they are.
std::string MapCodePage(std::string_view utf8, char (*map)(char));

} // namespace pantrix
