// Tells the program that it is asked to stop from outside the window: a
// termination, hang-up or interrupt signal (a desktop logout sends one), or the
// desktop session's request to save before it ends.
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

signals:
    void Requested();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace pantrix
