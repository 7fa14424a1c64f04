// The pictures pages show: the link image of the index and the three graphics of
// the page style, copied beside the pages so that the folder can be put on a web
// site whole.
#pragma once

#include "platform/files.h"

#include <string>
#include <vector>

namespace pantrix {

class Ui;

struct MainScreenState;

// Where a file or folder named in the settings lies. A path inside the data
// folder is found through the folder's own name, which may hold bytes the text
// cannot; a relative path is taken from the data folder.
fs::path LocalPath(const MainScreenState& s, std::string_view path);

// Copies the link image and the background, side and top graphics into the
// folder, each under its page name, whether the style shows it or not. A graphic
// without a folder in its path is not copied. Returns a line for each picture the
// pages show (the link image only when `linkShown`) that will not appear on them.
// Lists the pictures that will not show, under a heading, when there are any.
void ShowPictureProblems(Ui& ui, const std::vector<std::string>& problems,
                         const std::string& heading, std::string title);

std::vector<std::string> CopyPageGraphics(const MainScreenState& s, const fs::path& folder,
                                          bool linkShown);

// The names the link image and the style's graphics take beside the pages.
std::vector<std::string> PageGraphicNames(const MainScreenState& s);

// The same lines for the graphics where they lie, as the style preview shows them.
std::vector<std::string> GraphicProblems(const MainScreenState& s);

// Whether the bytes begin as a GIF, JPEG, PNG or BMP picture does.
bool LooksLikePicture(std::string_view bytes);

// Whether a folder or picture path (its bytes) fits its settings field; when it
// does not, the user is told, since a path cut short would name another file.
bool PathFitsSettings(Ui& ui, std::string_view path);

} // namespace pantrix
