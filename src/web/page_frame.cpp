#include "web/page_frame.h"

#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"
#include "web/page_names.h"
#include "web/style_block.h"

namespace pantrix {
namespace {

constexpr std::string_view kEncodingLine =
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";

std::string Line(std::string_view text)
{
    return std::string(text) + kCrLf;
}

// A background graphic replaces the background colour unless the page is plain;
// a flag that is neither "Y" nor "N" leaves the body line out.
std::string BodyLine(const SettingsRecord& settings, const std::string& background)
{
    switch (ReadFlag(settings.PlainBackground)) {
    case Flag::Yes: return Line("<body>");
    case Flag::No:
        if (Trim(settings.BackGraphicPath).empty())
            return Line("<body>");
        return Line("<body background=\"" + background + "\">");
    case Flag::Neither: return {};
    }
    return {};
}

} // namespace

// Pictures are named in pages as links are, so a name in any script reaches the
// browser as the file's own name.
FrameGraphics CopiedGraphics(const SettingsRecord& settings)
{
    return {LinkTarget(GraphicName(settings.BackGraphicPath)),
            LinkTarget(GraphicName(settings.TopGraphicPath)),
            LinkTarget(GraphicName(settings.SideGraphicPath))};
}

FrameGraphics GraphicsWhereTheyLie(const SettingsRecord& settings)
{
    const auto where = [](std::string_view field) { return LinkTarget(ShownName(Trim(field))); };
    return {where(settings.BackGraphicPath), where(settings.TopGraphicPath),
            where(settings.SideGraphicPath)};
}

bool ShowsTopGraphic(const SettingsRecord& settings)
{
    return ReadFlag(settings.UseTopGraphic) == Flag::Yes && !Trim(settings.TopGraphicPath).empty();
}

bool ShowsSideGraphic(const SettingsRecord& settings)
{
    return ReadFlag(settings.UseSideGraphic) == Flag::Yes &&
           !Trim(settings.SideGraphicPath).empty();
}

std::string FrameHead(const SettingsRecord& settings, const FrameGraphics& graphics,
                      std::string_view afterTop)
{
    // Said in the page itself, since neither a browser's locale nor a web server
    // knows the code page the text is written in.
    std::string head = Line("<html>") + Line("<head>") + Line(kEncodingLine) +
                       Line(BuildStyleBlock(settings)) + Line("</head>") +
                       BodyLine(settings, graphics.Back);
    head += Line("<table align=\"center\" width=\"" + std::string(Trim(settings.PageWidth)) +
                 "\"><tr><td>");
    if (ShowsTopGraphic(settings))
        head += Line("<img src=\"" + graphics.Top + "\">" + std::string(afterTop));
    if (ShowsSideGraphic(settings))
        head += Line("<table><tr><td valign=\"top\"><img src=\"" + graphics.Side +
                     "\"></td><td valign=\"top\">");
    return head + Line(kFullWidthTable);
}

std::string FrameEnd(const SettingsRecord& settings)
{
    std::string end;
    if (ShowsSideGraphic(settings))
        end += Line("</td></tr></table>");
    return end + Line("</td></tr></table>") + Line("</body></html>");
}

} // namespace pantrix
