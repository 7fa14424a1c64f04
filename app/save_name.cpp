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
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Added by the dialog itself, so that a name typed without it that is taken
    // already is asked about before it is written over.
    dialog.setDefaultSuffix(suffix.mid(1));
    dialog.selectFile(name + suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString file = dialog.selectedFiles().front();
    if (!file.endsWith(suffix, Qt::CaseInsensitive))
        file += suffix;
    return file;
}

} // namespace pantrix
