// Tells the program that it is asked to stop from outside the window: a
// termination, hang-up or interrupt signal (a desktop logout sends one), or the
// desktop session's request to save before it ends. Whatever dialog is open
// then, or opens on the way out, is closed as if cancelled, so that no question
// nobody answers holds the end up.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace pantrix {

class SessionEnd final : public QObject
{
    Q_OBJECT

public:
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;

    bool WasRequested() const { return m_requested; }

signals:
    void Requested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Request();

    QSocketNotifier* m_notifier = nullptr;
    bool m_requested = false;
};

} // namespace pantrix
