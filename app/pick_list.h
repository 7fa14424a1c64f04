// A list box as a user works it: a press on a row (its tick box included) or a
// key that moves to another row picks that row; focus alone picks nothing, so
// no command ever runs for a row nobody chose.
#pragma once

#include <QListView>
#include <optional>

namespace pantrix {

class PickList final : public QListView
{
    Q_OBJECT

public:
    PickList(QWidget* parent, const char* name, const char* spoken, const char* tip);

    // Shows the row the program holds as current, without running the click.
    void ShowCurrent(std::optional<std::size_t> row);

signals:
    void Picked(int row);
    void DoublePicked(int row);
    // A right-button press on a row, after the row was picked; sent only by a list
    // whose right button has a meaning, which its owner gives by connecting here.
    void RightPicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void Pick(const QModelIndex& index);
};

} // namespace pantrix
