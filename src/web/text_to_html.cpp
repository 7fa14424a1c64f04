#include "web/text_to_html.h"

#include "text/fields.h"
#include "text/lines.h"

namespace pantrix {

std::string TextToHtml(std::string_view text)
{
    if (Trim(text).empty())
        return {};
    std::string html;
    std::string line;
    // The end of the text ends its last line as a CR does.
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '\r';
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        line += c == '\r' ? "<br>" : "<p>";
        // The LF of a CR LF pair, having ended no line of its own, is dropped.
        if (line != "<p>")
            html += kCrLf + line;
        line.clear();
    }
    return html;
}

} // namespace pantrix
