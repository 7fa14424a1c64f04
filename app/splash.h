// The window shown while the program starts: a picture and the program's name.
#pragma once

#include <QPoint>
#include <QWidget>

namespace pantrix {

class PX_QF_Splash final : public QWidget
{
    Q_OBJECT

public:
    explicit PX_QF_Splash(const QString& hostName);

signals:
    void Unloaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString m_hostName;
    QPoint m_dragOffset;
};

} // namespace pantrix
