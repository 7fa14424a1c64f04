#include "app/pick_list.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>

namespace pantrix {

PickList::PickList(QWidget* parent, const char* name, const char* spoken, const char* tip)
    : QListView(parent)
{
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(QString::fromLatin1(spoken));
    setToolTip(QString::fromLatin1(tip));
    // One row height for all, measured once: a list of any size, or an entry of any
    // length, shows at once.
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // a long row ends in "..." instead
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The list that takes the keys shows it, also when none of its rows is current.
    setStyleSheet(QStringLiteral("QListView { border: 2px solid palette(mid); }"
                                 "QListView:focus { border: 2px solid palette(highlight); }"));
}

void PickList::ShowCurrent(std::optional<std::size_t> row)
{
    if (!row || *row >= static_cast<std::size_t>(model()->rowCount())) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model()->index(static_cast<int>(*row), 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect); // scrolls to it
}

void PickList::Pick(const QModelIndex& index)
{
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    emit Picked(index.row());
}

// The left button picks; the right button picks too where it has a command, so
// the command acts on the row under the pointer. A press beside the rows leaves
// the current row as it is.
void PickList::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool right = event->button() == Qt::RightButton &&
                       isSignalConnected(QMetaMethod::fromSignal(&PickList::RightPicked));
    if (!index.isValid() || (event->button() != Qt::LeftButton && !right))
        return event->accept();
    Pick(index);
    if (right) {
        emit RightPicked(index.row());
        return;
    }
    // The command the pick ran may have put another row back (a recipe that did
    // not open); the press then selects nothing more.
    if (currentIndex() != index)
        return event->accept();
    QListView::mousePressEvent(event); // the tick box takes its press here
}

// Dragging with the button held would move the current row without a click.
void PickList::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton)
        QListView::mouseMoveEvent(event);
    else
        event->accept();
}

void PickList::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid())
        return event->accept();
    if (index != currentIndex())
        Pick(index);
    emit DoublePicked(index.row());
    event->accept();
}

void PickList::keyPressEvent(QKeyEvent* event)
{
    const QPersistentModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before)
        emit Picked(after.row());
}

// An item view makes its first row current when it gets focus; a list box
// does not.
void PickList::focusInEvent(QFocusEvent* event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid())
        selectionModel()->clearCurrentIndex();
}

} // namespace pantrix
