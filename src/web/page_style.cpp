#include "web/page_style.h"

#include "platform/ui.h"
#include "settings/settings_file.h"
#include "text/cp1252.h"
#include "text/fields.h"
#include "text/number.h"
#include "web/page_graphics.h"
#include "web/preview.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace pantrix {
namespace {

// Whole sizes from 8 to 28 and three ranges above them; a row of whole sizes
// takes no fraction between them.
struct SizeRow
{
    float From, To;
    bool WholeSizesOnly;
    std::string_view Stored;
};

constexpr std::array<SizeRow, 16> kSizeRows = {{
    {8, 8, true, "82"},
    {9, 9, true, "85"},
    {10, 10, true, "90"},
    {11, 11, true, "100"},
    {12, 12, true, "105"},
    {13, 14, true, "115"},
    {15, 16, true, "118"},
    {17, 18, true, "120"},
    {19, 20, true, "128"},
    {21, 22, true, "135"},
    {23, 24, true, "140"},
    {25, 26, true, "150"},
    {27, 28, true, "155"},
    {29, 36, false, "170"},
    {37, 48, false, "195"},
    {49, 72, false, "250"},
}};

bool Matches(const SizeRow& row, float points)
{
    const bool whole = std::trunc(points) == points;
    return points >= row.From && points <= row.To && (whole || !row.WholeSizesOnly);
}

std::string SettingsRecord::*GraphicField(PageGraphic graphic)
{
    switch (graphic) {
    case PageGraphic::Top: return &SettingsRecord::TopGraphicPath;
    case PageGraphic::Side: return &SettingsRecord::SideGraphicPath;
    case PageGraphic::Back: break;
    }
    return &SettingsRecord::BackGraphicPath;
}

std::string GraphicDialogTitle(PageGraphic graphic)
{
    switch (graphic) {
    case PageGraphic::Top: return "Select a top graphic...";
    case PageGraphic::Side: return "Select a side graphic...";
    case PageGraphic::Back: break;
    }
    return "Select a background graphic...";
}

bool IsYes(std::string_view flag)
{
    return ReadFlag(flag) == Flag::Yes;
}

// Only what the window holds until Save; the ingredient list check is Save's own.
void CopyGraphicsAndWidth(SettingsRecord& settings, const PageStyleView& view)
{
    settings.PlainBackground = FlagText(!view.UseBackGraphic);
    settings.UseTopGraphic = FlagText(view.UseTopGraphic);
    settings.UseSideGraphic = FlagText(view.UseSideGraphic);
    settings.PageWidth = view.PageWidth;
}

void StepWidth(PageStyleView& view, int step)
{
    view.PageWidth = NumberText(LeadingNumber(view.PageWidth) + step);
}

} // namespace

PageStyleView OpenPageStyle(const SettingsRecord& settings)
{
    PageStyleView view;
    view.Sample.BackColor = static_cast<long>(LeadingNumber(settings.PageBackColor));
    view.Sample.FontColor = static_cast<long>(LeadingNumber(settings.PageFontColor));
    view.Sample.Face = std::string(Trim(settings.PageFontName));
    view.Sample.Points = static_cast<float>(LeadingNumber(settings.PageFontSize) / 10);
    view.Sample.Caption = view.Sample.Face;
    view.UseBackGraphic = !IsYes(settings.PlainBackground);
    view.UseTopGraphic = IsYes(settings.UseTopGraphic);
    view.UseSideGraphic = IsYes(settings.UseSideGraphic);
    view.IncludeList = IsYes(settings.IncludeIngredientList);
    view.PageWidth = std::string(Trim(settings.PageWidth));
    return view;
}

std::optional<std::string_view> FontSizeField(float points)
{
    if (points < 8)
        return "80";
    for (const SizeRow& row : kSizeRows)
        if (Matches(row, points))
            return row.Stored;
    if (points > 72)
        return "260";
    return std::nullopt;
}

std::string PointsText(float points)
{
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), points).ptr;
    return std::string(text.data(), end);
}

void PickBackColor(MainScreenState& s, Ui& ui, PageStyleView& view)
{
    if (const auto colour = ui.ColourDialog(view.Sample.BackColor)) {
        view.Sample.BackColor = *colour;
        s.Settings.PageBackColor = NumberText(*colour);
    }
}

void PickFontColor(MainScreenState& s, Ui& ui, PageStyleView& view)
{
    if (const auto colour = ui.ColourDialog(view.Sample.FontColor)) {
        view.Sample.FontColor = *colour;
        s.Settings.PageFontColor = NumberText(*colour);
    }
}

void PickFont(MainScreenState& s, Ui& ui, PageStyleView& view)
{
    const auto font =
        ui.FontDialog({ToUtf8(Trim(s.Settings.PageFontName)), view.Sample.Points});
    if (!font)
        return;
    // The page names its font in Windows-1252, which has no letters for some names.
    if (!OutsideCodePage(font->Face).empty())
        return (void)ui.ShowMessage(Information("The font " + font->Face +
                                                    " cannot be named in a web page. Please "
                                                    "choose another font.",
                                                "Font"));
    const std::string face = FromUtf8(font->Face);
    view.Sample.Face = face;
    view.Sample.Points = font->Points;
    view.Sample.Caption = face + " - " + PointsText(font->Points);
    s.Settings.PageFontName = face;
    if (const auto stored = FontSizeField(font->Points))
        s.Settings.PageFontSize = std::string(*stored);
}

bool PickGraphic(MainScreenState& s, Ui& ui, PageGraphic graphic)
{
    const auto chosen = ui.FileOpenDialog({GraphicDialogTitle(graphic),
                                           {{"graphic files", "*.gif;*.jpg;*.jpeg;*.bmp"}},
                                           FieldPath(s.Settings.GraphicsFolder),
                                           ""});
    if (!chosen || chosen->FullPath.empty())
        return false;
    // The folder is what is left of the full path without the bare name, so it
    // ends in its separator, as the folder fields always do.
    const std::string& path = chosen->FullPath.native();
    if (!PathFitsSettings(ui, path))
        return false;
    s.Settings.GraphicsFolder =
        path.substr(0, path.size() - std::min(path.size(), chosen->FileName.size()));
    s.Settings.*GraphicField(graphic) = path;
    return true;
}

fs::path GraphicPath(const SettingsRecord& settings, PageGraphic graphic)
{
    return FieldPath(settings.*GraphicField(graphic));
}

void NarrowPage(PageStyleView& view)
{
    StepWidth(view, -10);
}

void WidenPage(PageStyleView& view)
{
    StepWidth(view, 10);
}

bool SavePageStyle(MainScreenState& s, Ui& ui, const PageStyleView& view)
{
    CopyGraphicsAndWidth(s.Settings, view);
    s.Settings.IncludeIngredientList = FlagText(view.IncludeList);
    // The record is written as it is in memory, with the choices made at once
    // in this window and any held since the last write.
    if (Status written = WriteSettingsFile(s.DataFile(kSettingsFileName), s.Settings); !written) {
        ShowFailure(ui, written);
        return false;
    }
    return true;
}

void PreviewPageStyle(MainScreenState& s, Ui& ui, const PageStyleView& view)
{
    CopyGraphicsAndWidth(s.Settings, view);
    ShowStylePreview(s, ui);
}

} // namespace pantrix
