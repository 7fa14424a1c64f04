#include "web/index_page.h"

#include "text/cp1252.h"
#include "text/lines.h"
#include "web/page_frame.h"
#include "web/page_names.h"

namespace pantrix {

std::string IndexHead(const SettingsRecord& settings)
{
    return FrameHead(settings, CopiedGraphics(settings), "<br>");
}

std::string LinkRow(std::string_view recipe)
{
    return "<tr><td><a href=\"" + LinkTarget(PageName(recipe)) + "\"><img src=\"" +
           std::string(kLinkImageName) + "\" alt=\"Click Here!\"></a>&nbsp;" + ToPageText(recipe) +
           "</td></tr>" + kCrLf;
}

std::string IndexEnd(const SettingsRecord& settings)
{
    return "</table>" + kCrLf + FrameEnd(settings);
}

} // namespace pantrix
