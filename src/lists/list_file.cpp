#include "lists/list_file.h"

#include "text/fields.h"
#include "text/lines.h"

#include <algorithm>

namespace pantrix {

std::vector<ListEntry> ParseListFile(std::string_view bytes)
{
    std::vector<ListEntry> entries;
    for (std::string& line : SplitLines(bytes)) {
        const bool checked = !line.empty() && line.front() == '*';
        if (checked)
            line.erase(0, 1);
        entries.push_back({std::move(line), checked});
    }
    const auto less = [](const ListEntry& a, const ListEntry& b) {
        return LessNoCase(a.Text, b.Text);
    };
    // A file the program wrote is in order already.
    if (!std::is_sorted(entries.begin(), entries.end(), less))
        std::stable_sort(entries.begin(), entries.end(), less);
    return entries;
}

std::string FormatListFile(const std::vector<ListEntry>& entries)
{
    std::string bytes;
    for (const ListEntry& entry : entries) {
        const std::string_view text = Trim(entry.Text);
        if (text.empty())
            continue;
        // A line that begins with "*" reads as ticked, so an unticked entry that
        // begins with one keeps a space before it; reading keeps the space, and the
        // entry's trimmed text is the same. Files without such lines read as before.
        if (entry.Checked)
            bytes += '*';
        else if (text.front() == '*')
            bytes += ' ';
        const std::size_t start = bytes.size();
        bytes += text;
        // A line break inside an entry (only a damaged catalogue record holds one)
        // would read back as two entries, the second perhaps ticked.
        std::replace_if(
            bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end(),
            [](char c) { return c == '\r' || c == '\n'; }, ' ');
        bytes += kCrLf;
    }
    return bytes;
}

} // namespace pantrix
