// The page style window's commands: picking the colours, font and graphics of
// the generated web pages, adjusting the page width, previewing and saving. The
// window shows a PageStyleView and hands it to these functions.
#pragma once

#include "state/main_screen_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace pantrix {

class Ui;

// The sample text that shows the chosen colours and font.
struct StyleSample
{
    long BackColor = 0; // red in the low byte
    long FontColor = 0;
    std::string Face;
    float Points = 0; // 0 when the stored size gives no usable size
    std::string Caption;
};

// What the window shows between its opening and "Save". The check boxes and the
// width reach the settings only through Save or Preview; colours, font and
// graphics go into the settings at once.
struct PageStyleView
{
    StyleSample Sample;
    bool UseBackGraphic = false;
    bool UseTopGraphic = false;
    bool UseSideGraphic = false;
    bool IncludeList = false;
    std::string PageWidth; // the caption beside "Page Width"
};

enum class PageGraphic
{
    Back,
    Top,
    Side
};

PageStyleView OpenPageStyle(const SettingsRecord& settings);

// The stored font size for a size in points; none for a fractional size that
// falls between the table's whole sizes, which leaves the setting as it was.
std::optional<std::string_view> FontSizeField(float points);

// The shortest decimal text of a point size: "12", "10.5".
std::string PointsText(float points);

// A cancelled dialog changes nothing.
void PickBackColor(MainScreenState& s, Ui& ui, PageStyleView& view);
void PickFontColor(MainScreenState& s, Ui& ui, PageStyleView& view);
void PickFont(MainScreenState& s, Ui& ui, PageStyleView& view);
// True when a graphic was chosen, so its picture is to be shown anew.
bool PickGraphic(MainScreenState& s, Ui& ui, PageGraphic graphic);

// The file a graphic's settings field names.
fs::path GraphicPath(const SettingsRecord& settings, PageGraphic graphic);

// "-" and "+": ten pixels at a time, with no bound either way.
void NarrowPage(PageStyleView& view);
void WidenPage(PageStyleView& view);

// Writes the whole record as it is in memory, without the window's frame. False
// when the file could not be written; the user has been told.
bool SavePageStyle(MainScreenState& s, Ui& ui, const PageStyleView& view);

// The graphics check boxes and the width go into the settings in memory (not the
// ingredient list, which a sample page does not have), and the sample page opens.
void PreviewPageStyle(MainScreenState& s, Ui& ui, const PageStyleView& view);

} // namespace pantrix
