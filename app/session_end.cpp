#include "app/session_end.h"

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace pantrix {
namespace {

// A signal handler may only write to a descriptor; the window hears of it in
// its own event loop, where saving is safe.
int g_signalPipe[2] = {-1, -1};

void OnSignal(int number)
{
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

bool InstallHandlers()
{
    if (g_signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(number, &action, nullptr);
    return true;
}

} // namespace

SessionEnd::SessionEnd(QObject* parent) : QObject(parent)
{
    if (InstallHandlers()) {
        m_notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            char byte = 0;
            [[maybe_unused]] const ssize_t read = ::read(g_signalPipe[1], &byte, 1);
            Request();
        });
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(
            app, &QGuiApplication::commitDataRequest, this, [this] { Request(); },
            Qt::DirectConnection);
}

// Every request closes what is open, a second one too: a command may have
// opened a dialog since the first.
void SessionEnd::Request()
{
    if (!std::exchange(m_requested, true))
        QCoreApplication::instance()->installEventFilter(this);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
    emit Requested();
}

// A dialog that shows once the end is asked for is closed from its own event
// loop: rejected before its loop runs, it would wait for ever, hidden.
bool SessionEnd::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show)
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow())
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

// The default actions come back, so a signal after the window is gone ends the
// program as usual.
SessionEnd::~SessionEnd()
{
    for (const int number : {SIGTERM, SIGHUP, SIGINT})
        std::signal(number, SIG_DFL);
}

} // namespace pantrix
