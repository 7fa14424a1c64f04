// The page style window: colours, font, graphics and width of the generated web
// pages. It turns clicks into the page style commands and shows their result.
#pragma once

#include "state/main_screen_state.h"
#include "web/page_style.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace pantrix {

class Ui;

// Modal and of a fixed size. Each opening shows the settings held in memory;
// nothing stays in the window between openings.
class ConfigForm final : public QDialog
{
    Q_OBJECT

public:
    ConfigForm(MainScreenState& state, Ui& ui, QWidget* parent);
    ~ConfigForm() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    QGridLayout* BuildGraphics();
    QGridLayout* BuildSample();
    QGridLayout* BuildWidthAndButtons();
    void BuildHelper();
    template <typename Widget>
    Widget* Explained(Widget* widget, const char* name, const char* spoken, const char* help);
    QPushButton* Button(const char* caption, const char* name, const char* spoken, const char* help,
                        void (ConfigForm::*run)());
    QCheckBox* Check(const char* caption, const char* name, const char* help, bool checked);
    void FixSize();

    void ShowSample();
    void ShowGraphic(PageGraphic graphic);
    void TakeChecks();

    void BGColorSelect_Click();
    void FontColorSelect_Click();
    void FontSelect_Click();
    void BackGraphicSelect_Click();
    void TopGraphicSelect_Click();
    void SideGraphicSelect_Click();
    void PickGraphic_Click(PageGraphic graphic);
    void PageWidthLess_Click();
    void PageWidthMore_Click();
    void PreviewPage_Click();
    void SaveConfig_Click();
    void cmu_Help_Click();

    MainScreenState& m_state;
    Ui& m_ui;
    PageStyleView m_view;
    QLabel* m_sample = nullptr;
    QLabel* m_helper = nullptr;
    QLabel* m_pageWidth = nullptr;
    std::array<QLabel*, 3> m_graphics{};         // back, top, side
    std::array<QCheckBox*, 3> m_graphicChecks{}; // the same order
    QCheckBox* m_includeList = nullptr;
};

} // namespace pantrix
