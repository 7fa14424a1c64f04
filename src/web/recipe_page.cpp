#include "web/recipe_page.h"

#include "state/list_state.h"
#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"
#include "web/page_frame.h"
#include "web/text_to_html.h"

namespace pantrix {
namespace {

// A category name holds at most 30 characters, so its marker stands among the
// first 31.
constexpr std::size_t kMarkerReach = 31;

std::string Line(std::string_view text)
{
    return std::string(text) + kCrLf;
}

// What the user typed into a list entry shows as typed, never as markup.
std::string Escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Row(std::string_view first, std::string_view second)
{
    return Line("<tr><td>" + std::string(first) + "</td><td>" + std::string(second) + "</td></tr>");
}

} // namespace

std::string IngredientRows(std::string_view ingredients)
{
    std::string rows;
    std::string shown; // the category of the last row that named one
    for (const std::string& line : SplitLines(ingredients)) {
        const std::string_view entry = Trim(line);
        if (entry.empty())
            continue;
        const std::size_t marker = entry.substr(0, kMarkerReach).find(kCategoryMarker);
        const bool marked = marker != std::string_view::npos;
        const std::string_view category = marked ? entry.substr(0, marker) : std::string_view();
        const std::string_view rest = marked ? entry.substr(marker + 1) : entry;
        if (category == shown) {
            rows += Row("&nbsp;", Escaped(rest));
            continue;
        }
        rows += Row(Escaped(category), Escaped(rest));
        shown = category;
    }
    return rows;
}

std::string RecipePage(const SettingsRecord& settings, std::string_view recipe,
                       std::string_view text, std::string_view ingredients)
{
    std::string page = FrameHead(settings, CopiedGraphics(settings), "<p>");
    page += Line("<tr><td><b>" + ToPageText(recipe) + "</b></td></tr>");
    page += Line("<tr><td>&nbsp;</td></tr>");
    page += Line("<tr><td>" + TextToHtml(Trim(text)) + "</td></tr>");
    page += Line("</table>");
    if (ReadFlag(settings.IncludeIngredientList) == Flag::Yes) {
        page += Line("<br><b>Shopping List:</b><p>");
        page += Line(kFullWidthTable);
        page += IngredientRows(ingredients);
        page += Line("</table>");
    }
    return page + FrameEnd(settings);
}

} // namespace pantrix
