// Writing what the program generates: pages, the index, the preview and the
// copied pictures. Each is replaced in one step, so a page is never seen half
// written, but without syncing, since it can always be made again.
#pragma once

#include "platform/files.h"

#include <string_view>

namespace pantrix {

// A file that already holds exactly these bytes is left as it is: making the
// pages again after a small change rewrites only what changed, which keeps the
// dates of the others for whatever copies the folder to a web site.
Status WriteGenerated(const fs::path& file, std::string_view bytes);

} // namespace pantrix
