// A recipe's free text as page lines: each line ends in "<br>" where the text box
// broke it with CR LF, in "<p>" where a lone LF broke it. Nothing is escaped, so
// tags typed into a recipe take effect on its page.
#pragma once

#include <string>
#include <string_view>

namespace pantrix {

// Empty for a text of spaces only; otherwise every line is preceded by CR LF, and
// the last line ends in "<br>".
std::string TextToHtml(std::string_view text);

} // namespace pantrix
