#include "app/save_name.h"

#include <QDir>
#include <QFileDialog>

namespace pantrix {

QString AskSaveName(QWidget* parent, const QString& title, QStandardPaths::StandardLocation place,
                    const QString& name, const QString& suffix, const QString& filter)
{
    QString folder = QStandardPaths::writableLocation(place);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    QString file =
        QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(name + suffix), filter);
    if (!file.isEmpty() && !file.endsWith(suffix, Qt::CaseInsensitive))
        file += suffix;
    return file;
}

} // namespace pantrix
