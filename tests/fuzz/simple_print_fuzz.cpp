// Printing a recipe's text: any text at any page setting prints every character
// that is not a space or line break, and no print job is a blank sheet.
#include "fuzz_support.h"

#include "output/simple_print.h"

using namespace pantrix;

namespace {

std::string Visible(std::string_view text)
{
    std::string visible;
    for (const char c : text)
        if (c != ' ' && c != '\r' && c != '\n')
            visible += c;
    return visible;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    // Page settings first: top lines, margin, wrapping width, page limit (a long page
    // offset can take it below the top), and whether the printer fails.
    const int top = data[0] % 8;
    const int margin = data[1] % 12;
    const int width = data[2] % 90;
    const int limit = data[3] % 96 - 16;
    const bool failing = data[0] & 0x80;
    const std::string_view text = fuzz::Bytes(data + 4, size - 4);

    testing::FakeUi ui;
    if (failing)
        ui.FailPrinterWith("The printer is out of paper.");
    const Status printed = SimplePrint(ui, text, top, margin, width, limit);
    if (failing) {
        fuzz::Check(!printed.ok() && ui.Printed.empty(), "a failing printer is reported");
        return 0;
    }
    fuzz::Check(printed.ok(), "a working printer prints");

    std::string shown;
    const std::string left(static_cast<std::size_t>(margin), ' ');
    for (const auto& line : ui.Printed) {
        fuzz::Check(line.Text.empty() || line.Text.starts_with(left), "lines keep the margin");
        fuzz::Check(line.Text.find_first_of("\r\n") == std::string::npos, "a line is one line");
        shown += line.Text;
    }
    fuzz::Check(Visible(shown) == Visible(text), "every visible character is printed once");

    // A text with nothing to show prints its empty top lines, as it always has.
    std::size_t start = 0;
    for (const std::size_t end : ui.JobEnds) {
        bool written = false;
        for (std::size_t i = start; i < end; ++i)
            written = written || !ui.Printed[i].Text.empty();
        fuzz::Check(written || Visible(text).empty(), "no print job is a blank sheet");
        start = end;
    }
    return 0;
}
