#include "app/program_icon.h"

#include <QApplication>
#include <QIcon>

// Outside any namespace, as the resource's loader is named there; calling it
// also keeps the pictures in a program linked from the static library.
static void LoadIconPictures()
{
    Q_INIT_RESOURCE(pantrix_icon);
}

namespace pantrix {

QIcon ProgramIcon()
{
    LoadIconPictures();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1/pantrix.png").arg(size), QSize(size, size));
    return icon;
}

void UseProgramIcon()
{
    QApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(PANTRIX_APP_ID));
}

} // namespace pantrix
