// Fixed-width text fields and the name comparisons of the catalogue. All text
// here is single-byte (Windows-1252); a width counts bytes.
#pragma once

#include <string>
#include <string_view>

namespace pantrix {

// Leading and trailing spaces removed (spaces only: a tab is part of a name).
std::string_view Trim(std::string_view text);

// Left-aligned, padded with spaces, cut at the width.
std::string FixedField(std::string_view text, std::size_t width);

// Upper case of a Windows-1252 text, accented letters included.
std::string UpperCase(std::string_view text);

// The three ways names are compared; each command names the one it uses.
bool ExactFieldEqual(std::string_view a, std::string_view b, std::size_t width);
bool TrimmedEqual(std::string_view a, std::string_view b);
bool TrimmedEqualAnyCase(std::string_view a, std::string_view b);

// Alphabetical order without regard to case, as the sorted lists show it: an
// accented letter stands beside its plain letter. Ties are broken by the accents
// and then by the bytes, so the order is total and repeatable.
bool LessNoCase(std::string_view a, std::string_view b);

} // namespace pantrix
