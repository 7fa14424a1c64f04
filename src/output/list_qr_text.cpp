#include "output/list_qr_text.h"

#include "output/list_layout.h"
#include "state/main_screen_state.h"
#include "text/cp1252.h"

namespace pantrix {
namespace {

// The widest number line: "9999/9999" and its line end.
constexpr std::size_t kNumberBytes = 10;

std::string WithoutTrailingSpaces(std::string line)
{
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

// Lines that stay in one code: the header, or an entry with the empty line and
// category line of the group it opens.
struct Block
{
    std::vector<std::string> Lines;
    std::string Category; // the category line the entry stands under, if any
};

std::vector<Block> Blocks(std::string_view listName, const Date& date,
                          const std::vector<ListEntry>& entries)
{
    std::vector<Block> blocks{{HeaderLines(listName, date), ""}};
    Block next;
    for (const LayoutLine& line : LayoutBody(entries, Columns::One)) {
        next.Lines.push_back(WithoutTrailingSpaces(ToUtf8(line.Text)));
        if (line.Kind == LineKind::Category)
            next.Category = next.Lines.back();
        if (line.Kind != LineKind::Entries)
            continue;
        blocks.push_back(next);
        next.Lines.clear();
    }
    return blocks;
}

void AddLine(std::string& text, const std::string& line)
{
    if (!text.empty())
        text += '\n';
    text += line;
}

std::size_t Size(const Block& block)
{
    std::size_t size = 0;
    for (const std::string& line : block.Lines)
        size += line.size() + 1;
    return size;
}

} // namespace

std::vector<std::string> QrCodeTexts(std::string_view listName, const Date& date,
                                     const std::vector<ListEntry>& entries, std::size_t codeBytes)
{
    const std::vector<Block> blocks = Blocks(listName, date, entries);
    std::string whole;
    for (const Block& block : blocks)
        for (const std::string& line : block.Lines)
            AddLine(whole, line);
    if (whole.size() <= codeBytes)
        return {whole};

    const std::size_t budget = codeBytes > kNumberBytes ? codeBytes - kNumberBytes : 0;
    std::vector<std::string> codes(1);
    for (const Block& block : blocks) {
        if (!codes.back().empty() && codes.back().size() + Size(block) > budget) {
            // A new code starts with the entry's category, not with the empty
            // line that parts groups within one code.
            codes.emplace_back();
            if (block.Lines.size() == 1 && !block.Category.empty())
                AddLine(codes.back(), block.Category);
            for (std::size_t i = block.Lines.size() == 1 ? 0 : 1; i < block.Lines.size(); ++i)
                AddLine(codes.back(), block.Lines[i]);
            continue;
        }
        for (const std::string& line : block.Lines)
            AddLine(codes.back(), line);
    }
    const std::string count = std::to_string(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i)
        codes[i] = std::to_string(i + 1) + "/" + count + "\n" + codes[i];
    return codes;
}

std::vector<std::string> ListQrTexts(const MainScreenState& s, Ui& ui)
{
    if (s.List.Entries.empty()) {
        ui.ShowMessage(Information("Please build a list to print.", "Nothing to do!"));
        return {};
    }
    return QrCodeTexts(s.List.Name, ui.Today(), s.List.Entries);
}

} // namespace pantrix
