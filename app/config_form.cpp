#include "app/config_form.h"

#include "app/text_bridge.h"
#include "shell/help_commands.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <cmath>

namespace pantrix {
namespace {

constexpr long kWidthTwips = 7515;
constexpr long kHeightTwips = 5835;
constexpr auto kHelpTopic = "Making Web Pages";

const char* const kBackgroundHelp = "Place mouse over any item for help!";

QColor Colour(long number)
{
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

std::size_t Index(PageGraphic graphic)
{
    return static_cast<std::size_t>(graphic);
}

// A picture is shown stretched to its box, and a large font is cut by the
// sample's box: neither may push the window's other controls about.
QLabel* PictureBox(QWidget* parent)
{
    auto* box = new QLabel(parent);
    box->setScaledContents(true);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return box;
}

struct GraphicControls
{
    PageGraphic Graphic;
    const char* Image;
    const char* Spoken;
    const char* ImageHelp;
    const char* Select;
    const char* SelectSpoken;
    const char* SelectHelp;
    void (ConfigForm::*Run)();
    const char* Check;
    const char* CheckCaption;
    const char* CheckHelp;
};

} // namespace

ConfigForm::ConfigForm(MainScreenState& state, Ui& ui, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui), m_view(OpenPageStyle(state.Settings))
{
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(QStringLiteral("Pantrix! - Web Page Style Settings"));
    // Of a fixed size, so there is nothing to maximize; it may still be minimized.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    BuildMenus();
    layout->addLayout(BuildGraphics(), 3);
    layout->addLayout(BuildSample(), 3);
    layout->addLayout(BuildWidthAndButtons());
    BuildHelper();
    layout->addWidget(m_helper);
    ShowSample();
    for (PageGraphic graphic : {PageGraphic::Side, PageGraphic::Back, PageGraphic::Top})
        ShowGraphic(graphic);
    m_pageWidth->setText(ToQt(m_view.PageWidth));
    installEventFilter(this);
    FixSize();
}

ConfigForm::~ConfigForm() = default;

void ConfigForm::BuildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("ConfigMenu"));
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("cmu_File"));
    QAction* save =
        file->addAction(QStringLiteral("&Save and Exit"), this, &ConfigForm::SaveConfig_Click);
    save->setObjectName(QStringLiteral("cmu_SaveAndExit"));
    QAction* quit = file->addAction(QStringLiteral("&Quit Without Saving"), this, &QDialog::reject);
    quit->setObjectName(QStringLiteral("cmu_QuitWithoutSaving"));
    QAction* help = bar->addAction(QStringLiteral("&Help"), this, &ConfigForm::cmu_Help_Click);
    help->setObjectName(QStringLiteral("cmu_Help"));
    layout()->setMenuBar(bar);
}

// A control's purpose is both its spoken description and its hover help.
template <typename Widget>
Widget* ConfigForm::Explained(Widget* widget, const char* name, const char* spoken,
                              const char* help)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (spoken)
        widget->setAccessibleName(QString::fromLatin1(spoken));
    widget->setAccessibleDescription(QString::fromLatin1(help));
    widget->installEventFilter(this);
    return widget;
}

QPushButton* ConfigForm::Button(const char* caption, const char* name, const char* spoken,
                                const char* help, void (ConfigForm::*run)())
{
    auto* button =
        Explained(new QPushButton(QString::fromLatin1(caption), this), name, spoken, help);
    button->setAutoDefault(false); // Enter does not save the style by surprise
    connect(button, &QPushButton::clicked, this, run);
    return button;
}

QCheckBox* ConfigForm::Check(const char* caption, const char* name, const char* help, bool checked)
{
    auto* box = Explained(new QCheckBox(QString::fromLatin1(caption), this), name, nullptr, help);
    box->setChecked(checked);
    return box;
}

QGridLayout* ConfigForm::BuildGraphics()
{
    static const GraphicControls kControls[] = {
        {PageGraphic::Back, "BackGraphic", "Background graphic",
         "This shows the background graphic that you have selected. This image will be shown as "
         "a tiled background on each web page created, if the check box to use it is checked. "
         "(Note that the image may be distorted on this form - click Preview to see a sample "
         "page!)",
         "BackGraphicSelect", "Select background graphic",
         "Click to select a (tiled) background graphic.", &ConfigForm::BackGraphicSelect_Click,
         "UseBackgraphicCheck", "Back Graphic",
         "Check to use your background graphic on all pages created. (Note that this will cover "
         "up the background color.)"},
        {PageGraphic::Top, "TopGraphic", "Top graphic",
         "This shows the top graphic that you have selected. This image will be shown at the top "
         "of each web page created, if the check box to use it is checked. (Note that the image "
         "may be distorted on this form - click Preview to see a sample page!)",
         "TopGraphicSelect", "Select top graphic", "Click to select a top graphic.",
         &ConfigForm::TopGraphicSelect_Click, "UseTopGraphicCheck", "Top Graphic",
         "Check to use your top graphic on all pages created."},
        {PageGraphic::Side, "SideGraphic", "Side graphic",
         "This shows the side graphic that you have selected. This image will be shown at the "
         "left side of each web page created, if the check box to use it is checked. (Note that "
         "the image may be distorted on this form - click Preview to see a sample page!)",
         "SideGraphicSelect", "Select side graphic", "Click to select a side graphic.",
         &ConfigForm::SideGraphicSelect_Click, "UseSideGraphicCheck", "Side Graphic",
         "Check to use your side graphic on all pages created."},
    };
    const bool checked[] = {m_view.UseBackGraphic, m_view.UseTopGraphic, m_view.UseSideGraphic};
    auto* grid = new QGridLayout;
    for (const GraphicControls& c : kControls) {
        const std::size_t i = Index(c.Graphic);
        const int column = static_cast<int>(i);
        m_graphics[i] = Explained(PictureBox(this), c.Image, c.Spoken, c.ImageHelp);
        auto* row = new QHBoxLayout;
        auto* select = Button("...", c.Select, c.SelectSpoken, c.SelectHelp, c.Run);
        // Made after its picker, so Tab goes from "..." to its check box.
        m_graphicChecks[i] = Check(c.CheckCaption, c.Check, c.CheckHelp, checked[i]);
        select->setFixedWidth(select->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
        row->addWidget(select);
        row->addWidget(m_graphicChecks[i], 1);
        grid->addWidget(m_graphics[i], 0, column);
        grid->addLayout(row, 1, column);
    }
    grid->setRowStretch(0, 1);
    return grid;
}

QGridLayout* ConfigForm::BuildSample()
{
    m_sample = Explained(PictureBox(this), "Label1", nullptr,
                         "This shows the background color and font that you have selected. Note "
                         "that if you use a background graphic, this background color will not "
                         "be used. Click Preview to see a sample page!");
    m_sample->setScaledContents(false);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setAutoFillBackground(true);
    auto* grid = new QGridLayout;
    grid->addWidget(m_sample, 0, 0, 3, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->addWidget(Button("Background Color", "BGColorSelect", nullptr,
                           "Click to select a background color. This color will be used on all "
                           "pages created, as long as you are NOT using a background graphic. "
                           "Click Preview to see a sample page!",
                           &ConfigForm::BGColorSelect_Click),
                    0, 1);
    grid->addWidget(Button("Font Color", "FontColorSelect", nullptr,
                           "Click to select a font (foreground) color. (Note that the font may be "
                           "distorted somewhat on this form - click Preview to see a sample page!)",
                           &ConfigForm::FontColorSelect_Click),
                    1, 1);
    grid->addWidget(Button("Font", "FontSelect", nullptr,
                           "Click to select a font and a font size. (Note that the font may be "
                           "distorted somewhat on this form - click Preview to see a sample page!)",
                           &ConfigForm::FontSelect_Click),
                    2, 1);
    return grid;
}

QGridLayout* ConfigForm::BuildWidthAndButtons()
{
    auto* grid = new QGridLayout;
    auto* caption = new QLabel(QStringLiteral("Page Width"), this);
    caption->setObjectName(QStringLiteral("PageWidthCaption"));
    m_pageWidth = Explained(new QLabel(this), "PageWidth", nullptr,
                            "This shows the over-all width of each web page to be created. Use "
                            "the [-] [+] buttons to adjust. Click Preview to see a sample page!");
    m_pageWidth->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pageWidth->setAlignment(Qt::AlignCenter);
    // Room for the widest width a five-character field can hold.
    m_pageWidth->setMinimumWidth(
        m_pageWidth->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) + 8);
    auto* less = Button("-", "PageWidthLess", "Narrower page", "Click to reduce page width by 10.",
                        &ConfigForm::PageWidthLess_Click);
    auto* more = Button("+", "PageWidthMore", "Wider page", "Click to increase page width by 10.",
                        &ConfigForm::PageWidthMore_Click);
    for (QPushButton* step : {less, more})
        step->setFixedWidth(step->sizeHint().height());
    m_includeList = Check("Include Your List", "IncListCheck",
                          "If checked, the ingredient list for each recipe will be shown at the "
                          "bottom of each web page.",
                          m_view.IncludeList);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(less, 0, 1);
    grid->addWidget(m_pageWidth, 0, 2);
    grid->addWidget(more, 0, 3);
    grid->setColumnStretch(4, 1);
    grid->addWidget(m_includeList, 0, 5);
    grid->addWidget(Button("Preview", "PreviewPage", nullptr,
                           "Click to show a sample page in your web browser, with the style "
                           "settings you have selected. (Note that the graphic checkboxes must be "
                           "checked in order for the images to be used!)",
                           &ConfigForm::PreviewPage_Click),
                    1, 0, 1, 4);
    grid->addWidget(Button("Save", "SaveConfig", nullptr,
                           "Click to save these style settings and exit.",
                           &ConfigForm::SaveConfig_Click),
                    1, 5);
    return grid;
}

// Room for the longest help text with a line to spare for wider fonts, so the
// window never jumps as the text changes.
void ConfigForm::BuildHelper()
{
    m_helper = new QLabel(QString::fromLatin1(kBackgroundHelp), this);
    m_helper->setObjectName(QStringLiteral("Helper"));
    m_helper->setAccessibleDescription(QStringLiteral("Help on the item under the mouse"));
    m_helper->setWordWrap(true);
    m_helper->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_helper->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_helper->setFixedHeight(m_helper->fontMetrics().lineSpacing() * 5 +
                             2 * m_helper->frameWidth() + 4);
}

// The window keeps the size it was designed with, unless larger fonts need more
// room, so that no caption is ever cut.
void ConfigForm::FixSize()
{
    const double pixelsPerTwip = logicalDpiY() / 1440.0;
    const QSize designed(static_cast<int>(std::lround(kWidthTwips * pixelsPerTwip)),
                         static_cast<int>(std::lround(kHeightTwips * pixelsPerTwip)));
    setFixedSize(designed.expandedTo(minimumSizeHint()));
}

bool ConfigForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool enter = event->type() == QEvent::Enter;
    if (enter && widget && widget != this)
        m_helper->setText(widget->accessibleDescription());
    // Back on the window's background; a control entered next puts its own text
    // after this one.
    else if (enter || event->type() == QEvent::Leave)
        m_helper->setText(QString::fromLatin1(kBackgroundHelp));
    return QDialog::eventFilter(watched, event);
}

// A face or size the sample cannot show is passed over; the rest still shows.
void ConfigForm::ShowSample()
{
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::Window, Colour(m_view.Sample.BackColor));
    palette.setColor(QPalette::WindowText, Colour(m_view.Sample.FontColor));
    m_sample->setPalette(palette);
    QFont font = m_sample->font();
    if (!m_view.Sample.Face.empty())
        font.setFamily(ToQt(m_view.Sample.Face));
    if (m_view.Sample.Points > 0 && std::isfinite(m_view.Sample.Points))
        font.setPointSizeF(m_view.Sample.Points);
    m_sample->setFont(font);
    m_sample->setText(ToQt(m_view.Sample.Caption));
}

// A path that names no loadable picture leaves the box empty.
void ConfigForm::ShowGraphic(PageGraphic graphic)
{
    QLabel* box = m_graphics[Index(graphic)];
    const QPixmap picture(QFile::decodeName(GraphicPath(m_state.Settings, graphic).c_str()));
    if (picture.isNull())
        box->clear();
    else
        box->setPixmap(picture);
}

void ConfigForm::TakeChecks()
{
    m_view.UseBackGraphic = m_graphicChecks[Index(PageGraphic::Back)]->isChecked();
    m_view.UseTopGraphic = m_graphicChecks[Index(PageGraphic::Top)]->isChecked();
    m_view.UseSideGraphic = m_graphicChecks[Index(PageGraphic::Side)]->isChecked();
    m_view.IncludeList = m_includeList->isChecked();
}

void ConfigForm::BGColorSelect_Click()
{
    PickBackColor(m_state, m_ui, m_view);
    ShowSample();
}

void ConfigForm::FontColorSelect_Click()
{
    PickFontColor(m_state, m_ui, m_view);
    ShowSample();
}

void ConfigForm::FontSelect_Click()
{
    PickFont(m_state, m_ui, m_view);
    ShowSample();
}

void ConfigForm::BackGraphicSelect_Click()
{
    PickGraphic_Click(PageGraphic::Back);
}

void ConfigForm::TopGraphicSelect_Click()
{
    PickGraphic_Click(PageGraphic::Top);
}

void ConfigForm::SideGraphicSelect_Click()
{
    PickGraphic_Click(PageGraphic::Side);
}

void ConfigForm::PickGraphic_Click(PageGraphic graphic)
{
    if (PickGraphic(m_state, m_ui, graphic))
        ShowGraphic(graphic);
}

void ConfigForm::PageWidthLess_Click()
{
    NarrowPage(m_view);
    m_pageWidth->setText(ToQt(m_view.PageWidth));
}

void ConfigForm::PageWidthMore_Click()
{
    WidenPage(m_view);
    m_pageWidth->setText(ToQt(m_view.PageWidth));
}

void ConfigForm::PreviewPage_Click()
{
    TakeChecks();
    PreviewPageStyle(m_state, m_ui, m_view);
}

// A settings file that could not be written keeps the window open, so the user
// can try again or leave knowingly.
void ConfigForm::SaveConfig_Click()
{
    TakeChecks();
    if (SavePageStyle(m_state, m_ui, m_view))
        accept();
}

void ConfigForm::cmu_Help_Click()
{
    ShowHelpTopic(m_state, m_ui, kHelpTopic);
}

} // namespace pantrix
