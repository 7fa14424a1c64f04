#include "output/list_output.h"

#include "output/list_layout.h"
#include "output/output_dialogue.h"
#include "platform/ui.h"
#include "settings/settings_record.h"
#include "shell/options.h"
#include "state/main_screen_state.h"
#include "text/cp1252.h"

#include <algorithm>
#include <limits>

namespace pantrix {
namespace {

Columns ChosenColumns(const MainScreenState& s)
{
    return ReadFlag(s.Settings.PrintTwoColumns) == Flag::Yes ? Columns::Two : Columns::One;
}

bool ListIsEmpty(const MainScreenState& s, Ui& ui)
{
    if (!s.List.Entries.empty())
        return false;
    ui.ShowMessage(Information("Please build a list to print.", "Nothing to do!"));
    return true;
}

// Counts the lines of a page and ends the page once the count passes the limit.
// A failing printer operation is reported and the run goes on with the next one.
class PagePrinter
{
public:
    PagePrinter(Ui& ui, long limit) : m_ui(ui), m_limit(limit) {}

    void Line(const std::string& text)
    {
        BeginPage();
        Report(m_ui.PrintLine(text));
    }
    void EmptyLine()
    {
        BeginPage();
        Report(m_ui.PrintEmptyLine());
    }
    void Count(long lines) { m_count += lines; }

    void CheckPage()
    {
        if (m_count <= m_limit)
            return;
        Report(m_ui.EndPrintJob());
        m_pageOpen = false;
        m_count = 3;
    }
    void End()
    {
        if (m_pageOpen)
            Report(m_ui.EndPrintJob());
    }

private:
    // A new page opens with three empty lines; they wait for something to follow
    // them, so a list that fills its last page exactly leaves no blank sheet.
    void BeginPage()
    {
        if (m_pageOpen)
            return;
        m_pageOpen = true;
        if (m_started)
            for (int i = 0; i < 3; ++i)
                Report(m_ui.PrintEmptyLine());
        m_started = true;
    }
    void Report(const Status& done)
    {
        if (!done)
            ShowPrinterError(m_ui);
    }

    Ui& m_ui;
    long m_limit;
    long m_count = 0;
    bool m_started = false;
    bool m_pageOpen = false;
};

void PrintBody(PagePrinter& printer, const std::vector<LayoutLine>& body, bool withCategories)
{
    for (const LayoutLine& line : body) {
        switch (line.Kind) {
        case LineKind::GroupStart:
            printer.EmptyLine();
            printer.Count(2); // the category line counts, printed or not
            break;
        case LineKind::Category:
            if (withCategories)
                printer.Line(ToUtf8(line.Text));
            break;
        case LineKind::Spacer:
        case LineKind::Entries:
            printer.Line(ToUtf8(line.Text));
            printer.Count(1);
            printer.CheckPage();
            break;
        }
    }
}

void ChangePageLength(MainScreenState& s, Ui& ui, int step, const char* title)
{
    // Held at the ends of its 16-bit field instead of wrapping round.
    const int offset = std::clamp(s.Settings.PageLengthOffset + step,
                                  int(std::numeric_limits<std::int16_t>::min()),
                                  int(std::numeric_limits<std::int16_t>::max()));
    const std::int16_t before = s.Settings.PageLengthOffset;
    s.Settings.PageLengthOffset = static_cast<std::int16_t>(offset);
    // An offset that could not be kept is not announced, nor used until it is.
    if (Status written = StoreSettings(s); !written) {
        s.Settings.PageLengthOffset = before;
        return ShowFailure(ui, written);
    } else if (!written.durable()) {
        ShowFailure(ui, written); // kept, but a power cut may still take it back
    }
    ui.ShowMessage(Information(
        "Page length is offset from default by " + std::to_string(offset) + " lines.", title));
}

} // namespace

void CopyListToClipboard(MainScreenState& s, Ui& ui)
{
    if (ListIsEmpty(s, ui))
        return;
    if (!ConfirmClipboardCopy(ui, s.List.Name, "Copy list to clipboard"))
        return;
    const std::string text = LayoutText(s.List.Name, ui.Today(), s.List.Entries, ChosenColumns(s));
    ui.ClipboardSetText(text);
    s.List.Current.reset();
}

void PrintShoppingList(MainScreenState& s, Ui& ui)
{
    if (!ListIsEmpty(s, ui))
        PrintTempList(s, ui);
}

void PrintTempList(MainScreenState& s, Ui& ui)
{
    const MessageAnswer answer =
        ui.ShowMessage({"Include Category Names?", "Ready to print...", MessageIcon::Question,
                        MessageButtons::YesNoCancel, MessageAnswer::No});
    if (answer == MessageAnswer::Cancel)
        return;
    const bool large = s.Options.LargePrint;
    if (Status ready = ui.PrinterSetFont("Courier New", large ? 12 : 10, s.Options.BoldFonts);
        !ready)
        return ShowFailure(ui, ready);
    s.List.Current.reset();
    {
        BusyPointer busy(ui);
        const Columns columns = ChosenColumns(s);
        PagePrinter printer(ui, s.Settings.PageLengthOffset + (large ? 53 : 63));
        printer.EmptyLine();
        printer.EmptyLine();
        for (const std::string& line : HeaderLines(s.List.Name, ui.Today()))
            printer.Line(line);
        printer.EmptyLine();
        printer.Count(5);
        if (columns == Columns::One)
            printer.CheckPage();
        PrintBody(printer, LayoutBody(s.List.Entries, columns), answer == MessageAnswer::Yes);
        printer.End();
    }
    s.List.Current.reset();
}

void PrintLongerPage(MainScreenState& s, Ui& ui)
{
    ChangePageLength(s, ui, 2, "Page Length Increased");
}

void PrintShorterPage(MainScreenState& s, Ui& ui)
{
    ChangePageLength(s, ui, -2, "Page Length Decreased");
}

} // namespace pantrix
