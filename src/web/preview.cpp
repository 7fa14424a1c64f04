#include "web/preview.h"

#include "platform/ui.h"
#include "shell/browser.h"
#include "state/main_screen_state.h"
#include "text/lines.h"
#include "web/generated_file.h"
#include "web/page_frame.h"
#include "web/page_graphics.h"

namespace pantrix {
namespace {

constexpr std::string_view kSampleRows[] = {
    "<tr><td><b>Here is some text tagged as BOLD. The recipe name will look like "
    "this.</b></td></tr>",
    "<tr><td>&nbsp;</td></tr>",
    "<tr><td>Here is some text which is not tagged at all. The main body of the recipe text "
    "will look like this.</td></tr>",
    "<tr><td>&nbsp;</td></tr>",
    "<tr><td><small>Here is some text tagged as SMALL. None of the automatically generated text "
    "will look like this, but if you want to get fancy, you can put simple .html formatting tags "
    "in your recipe notes to get effects like this!</small></td></tr>",
    "</table>",
};

} // namespace

std::string PreviewPage(const SettingsRecord& settings)
{
    std::string page = FrameHead(settings, GraphicsWhereTheyLie(settings), "<p>");
    for (std::string_view row : kSampleRows)
        page += std::string(row) + kCrLf;
    return page + FrameEnd(settings);
}

void ShowStylePreview(MainScreenState& s, Ui& ui)
{
    const fs::path file = s.DataFile(kPreviewName);
    if (Status written = WriteGenerated(file, PreviewPage(s.Settings)); !written)
        return ShowFailure(ui, written);
    ShowPictureProblems(ui, GraphicProblems(s),
                        "These pictures will not show on the sample page:", "Preview");
    RunBrowser(s, ui, file);
}

} // namespace pantrix
