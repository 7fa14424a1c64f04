// The pictures of the toolbar buttons, drawn here so they look the same on every
// desktop, with or without an icon theme.
#pragma once

#include <QIcon>
#include <QString>

namespace pantrix {

QIcon ToolbarIcon(const QString& key);

} // namespace pantrix
