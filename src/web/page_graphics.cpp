#include "web/page_graphics.h"

#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"
#include "web/generated_file.h"
#include "web/index_page.h"
#include "web/page_frame.h"
#include "web/page_names.h"

namespace pantrix {
namespace {

struct PageGraphic
{
    fs::path Source;
    std::string Name; // as the pages name it
    bool Shown = false;
    bool Copied = true;
};

bool ShowsBackGraphic(const SettingsRecord& settings)
{
    return ReadFlag(settings.PlainBackground) == Flag::No &&
           !Trim(settings.BackGraphicPath).empty();
}

PageGraphic StyleGraphic(const MainScreenState& s, std::string_view path, bool shown)
{
    const std::string name = GraphicName(path);
    return {LocalPath(s, path), name, shown, HasFolder(path) && !name.empty()};
}

// The link image first, then the background, side and top graphics.
std::vector<PageGraphic> PageGraphics(const MainScreenState& s, bool linkShown)
{
    const SettingsRecord& settings = s.Settings;
    return {{s.DataFile(kLinkImageName), std::string(kLinkImageName), linkShown, true},
            StyleGraphic(s, settings.BackGraphicPath, ShowsBackGraphic(settings)),
            StyleGraphic(s, settings.SideGraphicPath, ShowsSideGraphic(settings)),
            StyleGraphic(s, settings.TopGraphicPath, ShowsTopGraphic(settings))};
}

bool IsFile(const fs::path& file)
{
    std::error_code error;
    return fs::is_regular_file(file, error);
}

// Why a picture would not appear; empty when it will.
std::string Fault(const std::string& name, const fs::path& file)
{
    if (!IsFile(file))
        return name + ": not found";
    const auto bytes = ReadWholeFile(file);
    if (!bytes)
        return bytes.error();
    return LooksLikePicture(bytes.value()) ? std::string() : name + ": not a picture";
}

std::string Copy(const PageGraphic& graphic, const fs::path& folder)
{
    if (!IsFile(graphic.Source))
        return graphic.Name + ": not found";
    const auto bytes = ReadWholeFile(graphic.Source);
    if (!bytes)
        return bytes.error();
    const Status copied = WriteGenerated(folder / graphic.Name, bytes.value());
    if (!copied)
        return copied.error();
    return LooksLikePicture(bytes.value()) ? std::string() : graphic.Name + ": not a picture";
}

} // namespace

fs::path LocalPath(const MainScreenState& s, std::string_view path)
{
    const std::string_view trimmed = Trim(path);
    if (!s.DataPath.empty() && trimmed.starts_with(s.DataPath))
        return s.DataFolder / FieldPath(trimmed.substr(s.DataPath.size()));
    return s.DataFolder / FieldPath(trimmed);
}

std::vector<std::string> CopyPageGraphics(const MainScreenState& s, const fs::path& folder,
                                          bool linkShown)
{
    std::vector<std::string> problems;
    for (const PageGraphic& graphic : PageGraphics(s, linkShown)) {
        // A graphic without a folder can only be one the user put beside the pages.
        std::string fault = graphic.Copied ? Copy(graphic, folder)
                                           : Fault(graphic.Name, folder / graphic.Name);
        if (graphic.Shown && !fault.empty())
            problems.push_back(std::move(fault));
    }
    return problems;
}

std::vector<std::string> PageGraphicNames(const MainScreenState& s)
{
    std::vector<std::string> names;
    for (const PageGraphic& graphic : PageGraphics(s, true))
        names.push_back(graphic.Name);
    return names;
}

std::vector<std::string> GraphicProblems(const MainScreenState& s)
{
    std::vector<std::string> problems;
    for (const PageGraphic& graphic : PageGraphics(s, false))
        if (graphic.Shown)
            if (std::string fault = Fault(graphic.Name, graphic.Source); !fault.empty())
                problems.push_back(std::move(fault));
    return problems;
}

bool LooksLikePicture(std::string_view bytes)
{
    for (std::string_view signature :
         {std::string_view("GIF87a"), std::string_view("GIF89a"), std::string_view("\xFF\xD8\xFF"),
          std::string_view("\x89PNG\r\n\x1A\n"), std::string_view("BM")})
        if (bytes.starts_with(signature))
            return true;
    return false;
}

bool PathFitsSettings(Ui& ui, std::string_view path)
{
    if (path.size() <= kPathFieldWidth)
        return true;
    ui.ShowMessage(
        {"The name \"" + ShownName(path) + "\" is too long to be kept in the settings (" +
             std::to_string(kPathFieldWidth) +
             " bytes at most). Please choose a folder or file with a shorter path.",
         "Name too long", MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
    return false;
}

void ShowPictureProblems(Ui& ui, const std::vector<std::string>& problems,
                         const std::string& heading, std::string title)
{
    if (problems.empty())
        return;
    std::string text = heading + kCrLf;
    for (const std::string& problem : problems)
        text += kCrLf + problem;
    ui.ShowMessage(
        {text, std::move(title), MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
}

} // namespace pantrix
