// Numbers kept as decimal text in fixed-width fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pantrix {

// The leading number of a text: blanks before it skipped, an optional sign, the
// digits up to the first other character. A text without one converts to 0, and
// a number too large for the type is held at its limit.
std::int64_t LeadingNumber(std::string_view text);

// The shortest decimal text of a number, as it goes into a number field.
std::string NumberText(std::int64_t value);

} // namespace pantrix
