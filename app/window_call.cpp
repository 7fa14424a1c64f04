#include "app/window_call.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QLocalSocket>
#include <QStandardPaths>

namespace pantrix {
namespace {

constexpr int kPatience = 3000; // ms; a window busy with long work answers late
const QByteArray kRaise = "raise\n";
const QByteArray kRaised = "raised\n";

// In the user's own runtime folder, which no other user can enter, and named
// for the folder's real path, so two names of one folder meet.
QString CallName(const fs::path& folder)
{
    std::error_code error;
    const fs::path real = fs::weakly_canonical(folder, error);
    const QByteArray key = QByteArray::fromStdString((error ? folder : real).native());
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/pantrix-") + QString::fromLatin1(hash.left(32));
}

// The window itself, or the question it is asking, which would otherwise stay
// hidden behind it.
void BringToFront(QWidget* window)
{
    QWidget* front = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : window;
    if (window->isMinimized())
        window->showNormal();
    front->raise();
    front->activateWindow();
}

} // namespace

bool CallRunningWindow(const fs::path& folder)
{
    QLocalSocket socket;
    socket.connectToServer(CallName(folder));
    if (!socket.waitForConnected(kPatience))
        return false;
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(kPatience))
        return false;
    while (socket.bytesAvailable() < kRaised.size())
        if (!socket.waitForReadyRead(kPatience))
            return false;
    return socket.readAll() == kRaised;
}

WindowCallAnswer::WindowCallAnswer(const fs::path& folder, QWidget* window) : m_window(window)
{
    // Called only while this Pantrix holds the folder, so a name left behind is
    // a crashed one's, and goes.
    const QString name = CallName(folder);
    QLocalServer::removeServer(name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(name);
    connect(&m_server, &QLocalServer::newConnection, this, &WindowCallAnswer::Answer);
}

void WindowCallAnswer::Answer()
{
    while (QLocalSocket* caller = m_server.nextPendingConnection()) {
        connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
        connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
            if (!caller->canReadLine())
                return;
            if (caller->readLine() == kRaise && m_window) {
                BringToFront(m_window);
                caller->write(kRaised);
            }
            caller->disconnectFromServer();
        });
    }
}

} // namespace pantrix
