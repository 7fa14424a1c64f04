#include "app/save_name.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace pantrix {

namespace {

// The file written is the name typed with `suffix` added where it lacks it, so
// it is this file that is asked about, not the name as typed: "lista.v2" writes
// over "lista.v2.png".
bool MayWrite(QWidget* parent, const QString& title, const QString& file)
{
    return !QFileInfo::exists(file) ||
           QMessageBox::warning(parent, title,
                                QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                    .arg(QFileInfo(file).fileName()),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

QString AskSaveName(QWidget* parent, const QString& title, QStandardPaths::StandardLocation place,
                    const QString& name, const QString& suffix, const QString& filter)
{
    QString folder = QStandardPaths::writableLocation(place);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(name + suffix);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        QString file = dialog.selectedFiles().front();
        if (!file.endsWith(suffix, Qt::CaseInsensitive))
            file += suffix;
        if (MayWrite(parent, title, file))
            return file;
    }
    return {};
}

} // namespace pantrix
