#include "output/list_layout.h"

#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"

#include <cstdio>

namespace pantrix {
namespace {

constexpr std::size_t kMarkerSearch = 31;
constexpr std::size_t kCellItemWidth = 30;

struct Style
{
    std::size_t HyphenBase;   // hyphens = base - length of the category
    std::string_view Checked; // prefixes
    std::string_view Unchecked;
};

constexpr Style kOneColumn{31, "   * ", "     "};
constexpr Style kTwoColumns{63, "* ", "  "};

std::string CategoryLine(std::string_view category, const Style& style)
{
    const std::size_t hyphens =
        style.HyphenBase > category.size() ? style.HyphenBase - category.size() : 0;
    return "   " + std::string(category) + " " + std::string(hyphens, '-');
}

std::string Prefix(const ListEntry& entry, const Style& style)
{
    return std::string(entry.Checked ? style.Checked : style.Unchecked);
}

std::string Cell(const ListEntry& entry, const std::string& item)
{
    return Prefix(entry, kTwoColumns) + FixedField(item, kCellItemWidth);
}

} // namespace

EntryParts SplitEntry(std::string_view text)
{
    const std::size_t marker = text.substr(0, kMarkerSearch).find(kCategoryMarker);
    if (marker == std::string_view::npos)
        return {"", std::string(Trim(text))};
    std::string_view item = text.substr(marker + 1);
    if (item.starts_with(' '))
        item.remove_prefix(1);
    std::string_view category = text.substr(0, marker);
    category.remove_prefix(std::min(category.find_first_not_of(' '), category.size()));
    return {std::string(category), std::string(Trim(item))};
}

std::string DateText(const Date& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", date.Month, date.Day, date.Year);
    return text;
}

std::vector<std::string> HeaderLines(std::string_view listName, const Date& date)
{
    return {std::string(Trim(listName)), "Printed: " + DateText(date)};
}

std::vector<LayoutLine> LayoutBody(const std::vector<ListEntry>& entries, Columns columns)
{
    const Style& style = columns == Columns::One ? kOneColumn : kTwoColumns;
    std::vector<EntryParts> parts;
    parts.reserve(entries.size());
    for (const ListEntry& entry : entries)
        parts.push_back(SplitEntry(entry.Text));

    std::vector<LayoutLine> body;
    if (columns == Columns::Two)
        body.push_back({LineKind::Spacer, std::string(33, ' ')});
    // The category before the first entry counts as empty, so a first entry
    // without a category (an empty one before the marker) opens no group.
    std::string_view group;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::string& category = parts[k].Category;
        if (group != category) {
            body.push_back({LineKind::GroupStart, ""});
            body.push_back({LineKind::Category, CategoryLine(category, style)});
            group = category;
        }
        if (columns == Columns::One) {
            body.push_back({LineKind::Entries, Prefix(entries[k], style) + parts[k].Item});
            continue;
        }
        std::string line = "   " + Cell(entries[k], parts[k].Item);
        if (k + 1 < entries.size() && parts[k + 1].Category == category) {
            line += Cell(entries[k + 1], parts[k + 1].Item);
            ++k;
        }
        body.push_back({LineKind::Entries, std::move(line)});
    }
    return body;
}

std::string LayoutText(std::string_view listName, const Date& date,
                       const std::vector<ListEntry>& entries, Columns columns)
{
    std::vector<std::string> lines = HeaderLines(listName, date);
    for (const LayoutLine& line : LayoutBody(entries, columns))
        lines.push_back(ToUtf8(line.Text));
    std::string text = JoinLines(lines);
    text.resize(text.size() - kCrLf.size());
    return text;
}

} // namespace pantrix
