// The main window's look as the Options menu sets it: bold print and tooltips.
#include "app/main_screen.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace pantrix {

// Every control of the window, the item edit frame and the status bar included;
// the menus keep the desktop's font.
void MainScreen::AdjustFonts()
{
    const bool bold = m_state.Options.BoldFonts;
    if (m_boldShown == bold)
        return;
    m_boldShown = bold;
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget) || widget->isWindow())
            continue;
        QFont font = widget->font();
        font.setBold(bold);
        widget->setFont(font);
    }
}

void MainScreen::ClearToolTips()
{
    for (QWidget* widget : findChildren<QWidget*>())
        widget->setToolTip(QString());
    for (const auto& [name, action] : m_buttons)
        action->setToolTip(QString());
}

} // namespace pantrix
