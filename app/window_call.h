// One Pantrix per data folder: a second start on a folder in use calls the
// running one, which brings its window to the front, and ends.
#pragma once

#include "platform/files.h"

#include <QLocalServer>
#include <QPointer>
#include <QWidget>

namespace pantrix {

// Brings the window of the Pantrix running on the folder to the front; false
// when none answers.
bool CallRunningWindow(const fs::path& folder);

// Answers calls of later starts on the folder for as long as it lives.
class WindowCallAnswer : public QObject
{
public:
    WindowCallAnswer(const fs::path& folder, QWidget* window);

private:
    void Answer();
    QLocalServer m_server;
    QPointer<QWidget> m_window;
};

} // namespace pantrix
