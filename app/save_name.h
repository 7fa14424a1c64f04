// The name a picture or document is saved under, asked in the desktop's save
// dialog.
#pragma once

#include <QStandardPaths>
#include <QString>

class QWidget;

namespace pantrix {

// Opens in the desktop's `place` folder (the home folder on a desktop without
// one) proposing `name` with `suffix`, which a name typed without it gets; empty
// when the user cancels. A file that exists is asked about, and the dialog shown
// again when the user keeps it.
QString AskSaveName(QWidget* parent, const QString& title, QStandardPaths::StandardLocation place,
                    const QString& name, const QString& suffix, const QString& filter);

} // namespace pantrix
