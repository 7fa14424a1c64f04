#include "app/find_window.h"

#include "app/text_bridge.h"
#include "platform/ui.h"

#include <QApplication>
#include <QBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace pantrix {

FindWindow::FindWindow(const MainScreenState& state, Ui& ui, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui)
{
    setObjectName(QStringLiteral("FindWindow"));
    setWindowTitle(QStringLiteral("Find"));
    auto* label = new QLabel(QStringLiteral("&Find line items and recipes:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindText"));
    m_text->setAccessibleName(QStringLiteral("Find line items and recipes"));
    label->setBuddy(m_text);
    m_results = new QTreeWidget(this);
    m_results->setObjectName(QStringLiteral("FindResults"));
    m_results->setAccessibleName(QStringLiteral("Found"));
    m_results->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Where")});
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_text);
    layout->addWidget(m_results, 1);
    resize(440, 360);
    m_text->installEventFilter(this);
    connect(m_text, &QLineEdit::textChanged, this, &FindWindow::Search);
    connect(m_text, &QLineEdit::returnPressed, this, &FindWindow::Choose);
    connect(m_results, &QTreeWidget::itemActivated, this, &FindWindow::Choose);
}

FindWindow::~FindWindow() = default;

void FindWindow::Begin()
{
    {
        const BusyPointer busy(m_ui);
        m_index = std::make_unique<FindIndex>(m_state, m_ui);
    }
    Search(m_text->text());
    m_text->selectAll();
    m_text->setFocus(Qt::OtherFocusReason);
}

void FindWindow::Search(const QString& text)
{
    m_hits = m_index ? m_index->Search(FromQt(text)) : std::vector<FindHit>();
    m_results->clear();
    QList<QTreeWidgetItem*> rows;
    for (const FindHit& hit : m_hits)
        rows.append(new QTreeWidgetItem({FromSeam(hit.Text), FromSeam(hit.Where)}));
    m_results->addTopLevelItems(rows);
    if (!rows.isEmpty())
        m_results->setCurrentItem(rows.front());
}

void FindWindow::Choose()
{
    const int row = m_results->indexOfTopLevelItem(m_results->currentItem());
    if (row < 0 || static_cast<std::size_t>(row) >= m_hits.size())
        return;
    const FindHit hit = m_hits[static_cast<std::size_t>(row)];
    accept();
    emit Chosen(hit);
}

// The arrows move through the results while the keys stay in the box.
bool FindWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QApplication::sendEvent(m_results, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace pantrix
