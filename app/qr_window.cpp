#include "app/qr_window.h"

#include "app/save_name.h"
#include "output/list_qr_text.h"
#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/fields.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <qrencode.h>

#include <algorithm>
#include <memory>

namespace pantrix {
namespace {

// Pixels a module on the screen: a code of 800 bytes is then about 470 pixels
// wide, large enough for a phone camera a hand's length away; several codes take
// 3, so that three stand side by side on a screen 1,280 pixels wide.
constexpr int kScale = 4;
constexpr int kScaleOfSeveral = 3;
constexpr int kQuietModules = 4;
constexpr int kGap = 24;
constexpr unsigned kUtf8Eci = 26;

// A long list's codes stand three to a row, so the window and the picture stay
// within a screen's width.
constexpr int kColumns = 3;

// One code, drawn from its one-bit image when shown: a pixmap would keep a copy
// in the screen's depth, 32 times the size.
class CodeView final : public QWidget
{
public:
    explicit CodeView(const QImage& code) : m_code(code) { setFixedSize(code.size()); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_code); }

private:
    QImage m_code;
};

QImage SideBySide(const std::vector<QImage>& codes)
{
    int cell = 0;
    for (const QImage& code : codes)
        cell = std::max(cell, code.width());
    const int count = static_cast<int>(codes.size());
    const int columns = std::min(count, kColumns), rows = (count + kColumns - 1) / kColumns;
    QImage picture(std::max(columns * (cell + kGap) - kGap, 1),
                   std::max(rows * (cell + kGap) - kGap, 1), QImage::Format_Grayscale8);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int i = 0; i < count; ++i)
        painter.drawImage(i % kColumns * (cell + kGap), i / kColumns * (cell + kGap),
                          codes[static_cast<std::size_t>(i)]);
    return picture;
}

} // namespace

QImage QrCodeImage(const std::string& utf8, int scale)
{
    // The code says its text is UTF-8 (ECI 26): without it readers guess, and
    // may read the bytes of "Crème" as Chinese letters.
    const std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, QR_ECLEVEL_M),
                                                                  &QRinput_free);
    if (!input || QRinput_appendECIheader(input.get(), kUtf8Eci) != 0 ||
        QRinput_append(input.get(), QR_MODE_8, static_cast<int>(utf8.size()),
                       reinterpret_cast<const unsigned char*>(utf8.data())) != 0)
        return {};
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeInput(input.get()),
                                                               &QRcode_free);
    if (!code)
        return {};
    const int side = code->width + 2 * kQuietModules;
    // One bit a pixel: a long list has hundreds of codes.
    QImage image(side, side, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1) // the low bit marks a dark module
                image.setPixel(x + kQuietModules, y + kQuietModules, 1);
    return image.scaled(side * scale, side * scale);
}

QrWindow::QrWindow(const std::vector<std::string>& texts, const QString& name, Ui& ui,
                   QWidget* parent)
    : QDialog(parent), m_ui(ui), m_name(name)
{
    setWindowTitle(QStringLiteral("List as QR Code"));
    const int count = static_cast<int>(texts.size());
    auto* hint = new QLabel(
        count == 1 ? QStringLiteral("Point a phone's camera at the code to take the list along.")
                   : QStringLiteral("The list is in %1 codes: point a phone's camera at each in "
                                    "turn to take it along.")
                         .arg(count),
        this);

    auto* codes = new QWidget;
    auto* grid = new QGridLayout(codes);
    grid->setSpacing(kGap);
    for (int i = 0; i < count; ++i) {
        m_codes.push_back(
            QrCodeImage(texts[static_cast<std::size_t>(i)], count == 1 ? kScale : kScaleOfSeveral));
        auto* code = new CodeView(m_codes.back());
        code->setAccessibleName(count == 1
                                    ? QStringLiteral("QR code of the list")
                                    : QStringLiteral("QR code %1 of %2").arg(i + 1).arg(count));
        auto* column = new QVBoxLayout;
        column->addWidget(code);
        if (count > 1)
            column->addWidget(new QLabel(QStringLiteral("%1/%2").arg(i + 1).arg(count)), 0,
                              Qt::AlignHCenter);
        grid->addLayout(column, i / kColumns, i % kColumns);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setAccessibleName(QStringLiteral("QR codes"));
    scroll->setWidget(codes);
    scroll->setAlignment(Qt::AlignCenter);
    // As large as the codes within the screen, with room for the scroll bar a
    // long list needs.
    const QRect room = screen()->availableGeometry();
    const int height = std::min(codes->sizeHint().height() + 4, room.height() * 7 / 10);
    const int bar = height < codes->sizeHint().height() + 4
                        ? style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                        : 0;
    scroll->setMinimumSize(std::min(codes->sizeHint().width() + 4 + bar, room.width() * 9 / 10),
                           height);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = new QPushButton(QStringLiteral("Save as &PNG..."), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    save->setObjectName(QStringLiteral("SavePng"));
    save->setAutoDefault(false);
    close->setDefault(true);
    buttons->addWidget(save);
    buttons->addWidget(close);
    connect(save, &QPushButton::clicked, this, &QrWindow::AskAndSavePng);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
}

QImage QrWindow::Picture() const
{
    return SideBySide(m_codes);
}

void QrWindow::AskAndSavePng()
{
    const QString file =
        AskSaveName(this, QStringLiteral("Save as PNG"), QStandardPaths::PicturesLocation, m_name,
                    QStringLiteral(".png"), QStringLiteral("PNG pictures (*.png)"));
    if (!file.isEmpty())
        SavePng(file);
}

void QrWindow::SavePng(const QString& file)
{
    if (!Picture().save(file, "PNG")) {
        m_ui.ShowMessage({"The picture could not be written:\r\n" + file.toStdString(),
                          "Save as PNG", MessageIcon::Exclamation, MessageButtons::Ok,
                          MessageAnswer::Ok});
        return;
    }
    m_ui.ShowStatus((QStringLiteral("Saved as ") + file).toStdString());
}

void ShowListQrCode(const MainScreenState& s, Ui& ui, QWidget* parent)
{
    const std::vector<std::string> texts = ListQrTexts(s, ui);
    if (texts.empty())
        return;
    QrWindow window(texts, QString::fromStdString(std::string(Trim(s.List.Name))), ui, parent);
    window.exec();
}

} // namespace pantrix
