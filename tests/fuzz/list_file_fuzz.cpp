// List files (".pxl"): whatever a list file holds, saving the list and opening it
// again shows the same entries with the same ticks.
#include "fuzz_support.h"

#include "lists/list_file.h"
#include "text/fields.h"
#include "text/lines.h"

#include <algorithm>

using namespace pantrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::vector<ListEntry> entries = ParseListFile(bytes);
    const auto less = [](const ListEntry& a, const ListEntry& b) {
        return LessNoCase(a.Text, b.Text);
    };
    fuzz::Check(entries.size() == SplitLines(bytes).size(), "every line is an entry");
    fuzz::Check(std::is_sorted(entries.begin(), entries.end(), less), "entries are sorted");

    // Saving trims the entries and leaves out empty ones; nothing else may change,
    // though the order may, as it follows the text the file holds.
    const auto shown = [](const std::vector<ListEntry>& list) {
        std::vector<std::pair<std::string, bool>> trimmed;
        for (const ListEntry& entry : list)
            if (!Trim(entry.Text).empty())
                trimmed.emplace_back(Trim(entry.Text), entry.Checked);
        std::sort(trimmed.begin(), trimmed.end());
        return trimmed;
    };
    const std::string saved = FormatListFile(entries);
    const std::vector<ListEntry> reopened = ParseListFile(saved);
    fuzz::Check(shown(reopened) == shown(entries), "a saved list reopens with the same entries");
    fuzz::Check(reopened.size() == shown(entries).size(), "a saved list has no empty entries");
    fuzz::Check(FormatListFile(ParseListFile(FormatListFile(reopened))) == FormatListFile(reopened),
                "saving a reopened list again writes the same file");
    return 0;
}
