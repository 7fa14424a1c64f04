// The Find window: a box to type in and the line items and recipes that match,
// found again at each letter. Arrows move, Enter or a double-click takes the
// highlighted one, Escape closes.
#pragma once

#include "catalogue/find.h"

#include <QDialog>
#include <memory>
#include <vector>

class QLineEdit;
class QTreeWidget;

namespace pantrix {

struct MainScreenState;
class Ui;

class FindWindow final : public QDialog
{
    Q_OBJECT

public:
    FindWindow(const MainScreenState& state, Ui& ui, QWidget* parent);
    ~FindWindow() override;

    // Reads what it searches afresh, so that it finds the catalogue as it is now.
    void Begin();

signals:
    void Chosen(const pantrix::FindHit& hit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search(const QString& text);
    void Choose();

    const MainScreenState& m_state;
    Ui& m_ui;
    std::unique_ptr<FindIndex> m_index;
    std::vector<FindHit> m_hits;
    QLineEdit* m_text = nullptr;
    QTreeWidget* m_results = nullptr;
};

} // namespace pantrix
